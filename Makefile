# The two set-up commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: all build run test bench install clean bootstrap configure package test-debian

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja -DVEXMORA_BUILD_BENCH=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@scripts/bench $(BUILD)

install: build
	@cmake --install $(BUILD)

package: build
	@cmake --build $(BUILD) --target package

# Installs the package into a fresh Debian 12 root and starts it there (root, debootstrap).
test-debian: build
	@tests/package/install-in-debian.sh $(BUILD)

clean:
	@rm -rf $(BUILD)
