# Thin wrapper over CMake: every target installs what is missing first.
JOBS ?= 2
BUILD := build/release
TEST_BUILD := build/test
CMAKE_FLAGS ?=

.PHONY: all deps build run test clean level assets

all: build

deps:
	@./scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DQUIB_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	cd data && ../$(BUILD)/quib

test: deps
	@cmake -S . -B $(TEST_BUILD) -DQUIB_SANITIZE=ON -DQUIB_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TEST_BUILD) -j$(JOBS)
	@./scripts/run-headless ctest --test-dir $(TEST_BUILD) --output-on-failure -j$(JOBS)

# Rebuilds the committed data files from tools/assets (needs the asset tools).
assets:
	@./tools/build-assets

level:
	python3 tools/level/levelgen.py tools/level/level1.txt data/shapes/level.svg

clean:
	rm -rf build
