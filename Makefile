# make test  - installs what is missing (as root), builds, runs every test
# make demo  - runs the program on a small sample installation under Wine
# make bench - times the folder exclusion on a large tree (BENCH_FILES=100000)
BUILD ?= build
TOOLCHAIN := cmake/i686-w64-mingw32.cmake

.PHONY: all deps configure build test demo bench clean screenshot

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j2

test: build
	cd $(BUILD) && ctest --output-on-failure

# Unattended runs on a sample installation, with the firewall lists before
# and after; with a display, the dialog too.
demo: configure
	@cmake --build $(BUILD) --target FwExclude >/dev/null
	@bash scripts/demo.sh $(BUILD)

# ExcludeFolder on 100,000 files next to a bare walk and bare registry writes
bench: build
	@cmake --build $(BUILD) --target exclusion_bench
	@$(BUILD)/wine-run $(BUILD)/bench/exclusion_bench.exe $(BENCH_FILES)

# docs/dialog.png: the dialog as it appears, on a private Xvfb display.
screenshot: build
	@bash docs/screenshot.sh $(BUILD)

clean:
	rm -rf $(BUILD)
