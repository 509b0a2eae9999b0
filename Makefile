# make test  - installs what is missing (as root), builds, runs every test
BUILD ?= build
TOOLCHAIN := cmake/i686-w64-mingw32.cmake

.PHONY: all deps configure build test clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j2

test: build
	cd $(BUILD) && ctest --output-on-failure

clean:
	rm -rf $(BUILD)
