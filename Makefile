# make test  - installs what is missing (as root), builds, runs every test
# make demo  - runs the program on a small sample installation under Wine
# make bench - the program against its limits and a batch file (docs/performance.md)
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

# FwExclude.exe on trees of 1,000, 10,000 and 100,000 files next to a bare
# walk, bare registry writes and an administrator's batch file, in a Wine
# prefix of its own. BENCH_ARGS: other sizes or options (see bench/run-bench.sh).
bench: build
	@cmake --build $(BUILD) --target exclusion_bench
	@bash bench/run-bench.sh $(BUILD) $(BENCH_ARGS)

# docs/dialog.png and docs/summary.png: the dialog and its summary box as
# they appear, on a private Xvfb display.
screenshot: build
	@bash docs/screenshot.sh $(BUILD)

clean:
	rm -rf $(BUILD)
