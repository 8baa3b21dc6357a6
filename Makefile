# Thin wrapper over CMake: every target installs what is missing first.
JOBS ?= 2
BUILD := build/release
TEST_BUILD := build/test
CMAKE_FLAGS ?=
FUZZ_BUILD := build/fuzz
FUZZER := $(FUZZ_BUILD)/tests/fuzz/fuzz_shapefile
FUZZ_SECONDS ?= 600
BENCH_BUILD := build/bench
SOAK_TICKS ?= 50000
SOAK_RESTARTS ?= 1000
PLAYTEST_BUILD := build/playtest
PLAYTEST_SEEDS ?= 50

.PHONY: all deps build run test clean level assets fuzz fuzz-build package screenshot bench soak playtest

all: build

deps:
	@./scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DQUIB_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	cd data && ../$(BUILD)/quib

test: deps fuzz-build
	@cmake -S . -B $(TEST_BUILD) -DQUIB_SANITIZE=ON -DQUIB_WERROR=ON \
		-DQUIB_FUZZ_BINARY=$(CURDIR)/$(FUZZER) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TEST_BUILD) -j$(JOBS)
	@# A loaded X server now and then refuses a test its window ("no display to
	@# open a window on"); such a test is run once more, and a real failure fails twice.
	@./scripts/run-headless ctest --test-dir $(TEST_BUILD) --output-on-failure -j$(JOBS) --repeat until-pass:2

# The fuzzers need clang, so they have a build of their own; the tests run them
# briefly, `make fuzz` each for FUZZ_SECONDS.
fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DQUIB_FUZZ=ON -DQUIB_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_shapefile fuzz_png

fuzz: fuzz-build
	@sh tests/fuzz/run-fuzzer.sh $(FUZZER) $(FUZZ_SECONDS) $(FUZZ_BUILD)/shapefile
	@sh tests/fuzz/run-fuzzer.sh $(FUZZ_BUILD)/tests/fuzz/fuzz_png $(FUZZ_SECONDS) $(FUZZ_BUILD)/png png-corpus png.dict

# One table of start-up, tick, memory and load figures from a release build (no
# sanitizers), measured in one run on the virtual X server with software OpenGL.
bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DQUIB_BENCH=ON -DQUIB_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j$(JOBS) --target quib_bench
	@QUIB_XVFB_SCREEN=1920x1200x24 ./scripts/run-headless $(BENCH_BUILD)/bench/quib_bench

# The long run of the random player on the bundled level, a thousand restarts in
# a row, then the leak check of a played game, all with the sanitizers (make test
# plays short ones).
soak: deps
	@cmake -S . -B $(TEST_BUILD) -DQUIB_SANITIZE=ON -DQUIB_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TEST_BUILD) -j$(JOBS) --target test_soak quib xprobe
	@cd tests/data && QUIB_SOAK_TICKS=$(SOAK_TICKS) ../../scripts/run-headless ../../$(TEST_BUILD)/tests/test_soak \
		--gtest_filter=SoakTest.ARandomPlayer*
	@cd tests/data && QUIB_SOAK_RESTARTS=$(SOAK_RESTARTS) ../../scripts/run-headless \
		../../$(TEST_BUILD)/tests/test_soak --gtest_filter=SoakTest.Restarts*
	@./scripts/run-headless ctest --test-dir $(TEST_BUILD) -R e2e.play --output-on-failure

# The level played as people play it, from a release build: each puzzle of the
# replay with a hand's errors for PLAYTEST_SEEDS seeds, one table row a puzzle,
# then the dead-end sweep of every place (make test plays a short run of both).
playtest: deps
	@cmake -S . -B $(PLAYTEST_BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(PLAYTEST_BUILD) -j$(JOBS) --target test_levels
	@cd tests/data && failed=0; \
	QUIB_PLAYTEST_SEEDS=$(PLAYTEST_SEEDS) ../../scripts/run-headless ../../$(PLAYTEST_BUILD)/tests/test_levels \
		--gtest_filter='JitteredReplayTest.*' || failed=1; \
	QUIB_SWEEP_EVERY=1 ../../scripts/run-headless ../../$(PLAYTEST_BUILD)/tests/test_levels \
		--gtest_filter='*FromEveryPlace*' || failed=1; \
	exit $$failed

# Rebuilds the committed data files from tools/assets (needs the asset tools).
assets:
	@./tools/build-assets

# The level drawing from its description, and the scenery tiles drawn from it.
level:
	python3 tools/level/levelgen.py tools/level/level1.txt data/shapes/level.svg
	python3 tools/assets/tiles.py data/shapes/level.svg data/images

# A Debian package of the release build: build/quib_<version>_<arch>.deb, the
# same file whoever builds the same commit where: cpack gives the members of the
# outer archive the modes its umask leaves them.
package: build
	@cd $(BUILD) && umask 022 && cpack -B $(CURDIR)/build >/dev/null
	@ls build/quib_*.deb

screenshot: build
	@./tools/screenshot.sh $(BUILD)/quib

clean:
	rm -rf build
