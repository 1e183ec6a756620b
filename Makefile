# obrazac: every step from a clean clone. Each target installs what is missing first.
JOBS     ?= 2
BUILD    ?= build/release
TESTDIR  ?= build/test
GENERATOR = -G Ninja

.PHONY: all deps build test bench run screenshot clean format

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

# The test build: warnings on, AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TESTDIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DOBRAZAC_SANITIZE=ON
	cmake --build $(TESTDIR) -j $(JOBS)
	cd $(TESTDIR) && ctest --output-on-failure -j $(JOBS)

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

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
