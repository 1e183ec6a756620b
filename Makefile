# obrazac: every step from a clean clone. Each target installs what is missing first.
JOBS     ?= 2
BUILD    ?= build/release
TESTDIR  ?= build/test
GENERATOR = -G Ninja

FUZZDIR  ?= build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps build test bench fuzz demo run screenshot package clean format

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

# The test build: warnings on, AddressSanitizer and UndefinedBehaviorSanitizer. The tests run
# beside a throwaway PostgreSQL cluster, for the server store's tests.
test: deps
	cmake -S . -B $(TESTDIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DOBRAZAC_SANITIZE=ON
	cmake --build $(TESTDIR) -j $(JOBS)
	cd $(TESTDIR) && bash $(CURDIR)/scripts/with-pg-cluster.sh ctest --output-on-failure -j $(JOBS)

# The desktop program on a sample working folder: build/demo when there is one, else an empty
# installation in build/run.
run: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target obrazac obrazac-cli
	@if [ -d build/demo ]; then dir=build/demo; else dir=build/run; \
	  [ -f build/run/APLPARAM.DAT ] || $(BUILD)/obrazac-cli --dir build/run init; fi; \
	  echo "obrazac --dir $$dir"; $(BUILD)/obrazac --dir $$dir

# The main windows as PNG files in build/screenshots, rendered without a display.
screenshot: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target obrazac obrazac-cli
	bash scripts/screenshots.sh $(BUILD) build/screenshots

# The Debian package of the Release build (build/release/obrazac_VERSION_ARCH.deb), checked.
package: build
	cd $(BUILD) && cpack -G DEB
	bash scripts/check-package.sh $$(ls -t $(BUILD)/obrazac_*.deb | head -1)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

# Each fuzz target runs for FUZZ_SECONDS; crashes are kept under build/fuzz/crashes.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZDIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOBRAZAC_FUZZ=ON
	cmake --build $(FUZZDIR) -j $(JOBS) --target $$(cd fuzz && ls *_fuzz.cpp | sed 's/.cpp//')
	@mkdir -p $(FUZZDIR)/crashes
	@for f in $(FUZZDIR)/fuzz/*_fuzz; do \
	  name=$$(basename $$f); mkdir -p $(FUZZDIR)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -max_len=20000 -artifact_prefix=$(FUZZDIR)/crashes/ \
	      $(FUZZDIR)/corpus/$$name || exit 1; \
	done
# The sample installation in $(DEMO): each sample obligor sent singly, then all three joined
# into one collective file; prints the files and their control numbers.
DEMO ?= build/demo
demo: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target obrazac-cli
	@bash scripts/demo.sh $(BUILD)/obrazac-cli $(DEMO)

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
