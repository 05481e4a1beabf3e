# Quick start: `make run` opens orvan-print on the bundled Orvan PPD, `make test`
# runs the whole suite. Each installs what it needs and builds first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
ARGS ?=
# Compiler caches hit across checkouts in other folders.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps configure build run test asan-test valgrind-test clean

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

# Every test executable under valgrind memcheck (about 3 minutes).
valgrind-test:
	@$(MAKE) --no-print-directory build PRESET=default
	@ctest --preset valgrind

clean:
	rm -rf build

# Benchmarks (Release build in build/bench): `make bench` prints the tables of
# bench/README.md; `make bench-smoke` builds them and runs each once, briefly.
.PHONY: bench bench-smoke
bench bench-smoke: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	@bench/run $(if $(filter bench-smoke,$@),--smoke) build/bench
