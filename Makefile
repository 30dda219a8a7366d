# One command each: `make run` installs what is missing, builds and starts the
# application; `make test` installs, builds and runs every test.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

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

bench: build
	sh bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
