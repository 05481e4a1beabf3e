# Quick start: `make run` opens orvan-print on the bundled Orvan PPD, `make test`
# runs the whole suite. Each installs what it needs and builds first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
ARGS ?=

.PHONY: all deps configure build run test asan-test clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@scripts/run-orvan-print $(BUILD_DIR) $(ARGS)

test: build
	@ctest --preset $(PRESET)

asan-test:
	@$(MAKE) --no-print-directory test PRESET=asan

clean:
	rm -rf build
