# One command each: `make run` installs what is missing, builds and starts the
# application; `make test` installs, builds and runs every test. `make sanitize`
# runs the unit and integration tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer (the soak and end-to-end runs measure the plain build),
# `make fuzz` replays the fuzz inputs and fuzzes each target for a bounded time;
# both build with clang in directories of their own.
#
# Each command looks for its Debian packages once per build folder (a stamp
# file there), and a build folder is configured once: CMake re-runs itself when
# its own files change. CMAKE_FLAGS on the command line configure it again.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CLANG ?= clang++-14
CMAKE_FLAGS ?=
export ASAN_SYMBOLIZER_PATH ?= /usr/lib/llvm-14/bin/llvm-symbolizer

# The package installs and CMake runs of one command come one after the other;
# Ninja builds in parallel.
.NOTPARALLEL:
.PHONY: all build run test sanitize fuzz bench clean

all: build

PACKAGE_STAMPS := $(foreach dir,$(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD),\
  $(foreach set,build run test bench clang,$(dir)/.packages-$(set)))
$(PACKAGE_STAMPS):
	sh scripts/install-deps.sh $(patsubst .packages-%,%,$(notdir $@))
	@mkdir -p $(@D) && touch $@

ifneq ($(strip $(CMAKE_FLAGS)),)
.PHONY: $(BUILD)/build.ninja $(ASAN_BUILD)/build.ninja $(FUZZ_BUILD)/build.ninja
endif

$(BUILD)/build.ninja: $(BUILD)/.packages-build
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

$(ASAN_BUILD)/build.ninja: $(ASAN_BUILD)/.packages-clang
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=$(CLANG) -DTEMBREL_SANITIZE=ON $(CMAKE_FLAGS)

$(FUZZ_BUILD)/build.ninja: $(FUZZ_BUILD)/.packages-clang
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=$(CLANG) -DTEMBREL_FUZZ=ON $(CMAKE_FLAGS)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: $(BUILD)/.packages-run build
	sh scripts/run.sh $(BUILD)/bin/tembrel

test: $(BUILD)/.packages-test build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 4

# Under AddressSanitizer the HTML engine now and then forks a helper whose
# child hangs in the sanitizer's allocator before it can run the helper (a lock
# another thread held at the fork): the test then times out, its own checks
# passed. Only a timeout runs a test again; any failure still fails.
sanitize: $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 4 -LE "soak|e2e" --repeat after-timeout:3

fuzz: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j 2

bench: $(BUILD)/.packages-bench build
	sh bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
