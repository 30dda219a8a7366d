# One command each: `make run` installs what is missing, builds and starts the
# application; `make test` installs, builds and runs every test. `make sanitize`
# runs the unit and integration tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer (the soak and end-to-end runs measure the plain build),
# `make fuzz` replays the fuzz inputs and fuzzes each target for a bounded time;
# both build with clang in directories of their own.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CLANG ?= clang++-14
CMAKE_FLAGS ?=
export ASAN_SYMBOLIZER_PATH ?= /usr/lib/llvm-14/bin/llvm-symbolizer

.PHONY: all deps configure build run test sanitize fuzz bench clean

all: build

deps:
	sh scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

run: build
	sh scripts/run.sh $(BUILD)/bin/tembrel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 4

sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=$(CLANG) -DTEMBREL_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 4 -LE "soak|e2e"

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=$(CLANG) -DTEMBREL_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j 2

bench: build
	sh bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
