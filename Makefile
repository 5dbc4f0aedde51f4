# Entry points for people and CI. `make test` and `make run` work on a fresh Debian 12 machine:
# they install what is missing (as root), configure, build and then test or start zel.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
# CI builds with warnings as errors.
WERROR     ?= $(if $(CI),ON,OFF)
# ON builds with the address and undefined-behaviour sanitizers (use another BUILD folder).
SANITIZE   ?= OFF
ARGS       ?=

.PHONY: all setup configure build test run bench bench-compare screenshots format format-check clean

all: build

setup:
	@scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZEL_WERROR=$(WERROR) \
		-DZEL_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300

# Without ARGS: a short demonstration on the files in samples/ (the window interface that would
# open on a display is not built yet).
run: build
	@if [ -z "$(ARGS)" ]; then scripts/demo $(BUILD)/bin/zel; else $(BUILD)/bin/zel $(ARGS); fi

bench: build
	@$(BUILD)/bench/zel_bench

# Our speed beside OpenSSL's and rhash's on the same data, as ratios.
bench-compare: build
	@bench/compare $(BUILD)/bench/zel_bench

# Encrypting and decrypting a 1 GiB file and 10,000 small files beside openssl enc and tar.
bench-container: build
	@bench/compare-container $(BUILD)/bench/zel_bench

# Pictures of every dialog and window as the Qt host shows them, offscreen, in $(BUILD)/screenshots/.
screenshots: configure
	@cmake --build $(BUILD) -j $(JOBS) --target zel_screenshots
	@rm -rf $(BUILD)/screenshots
	@$(BUILD)/bin/zel_screenshots $(BUILD)/screenshots

format:
	@git ls-files '*.h' '*.cpp' | xargs clang-format -i

format-check:
	@git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror

clean:
	@rm -rf $(BUILD)
