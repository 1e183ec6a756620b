# obrazac: every step from a clean clone. Each target installs what is missing first.
JOBS     ?= 2
BUILD    ?= build/release
TESTDIR  ?= build/test
GENERATOR = -G Ninja

.PHONY: all deps build test bench demo clean format

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

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

# The sample installation in $(DEMO): each sample obligor sent singly, then all three joined
# into one collective file; prints the files and their control numbers.
DEMO ?= build/demo
demo: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target obrazac-cli
	@bash scripts/demo.sh $(BUILD)/obrazac-cli $(DEMO)

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
