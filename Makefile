# make test   set up the machine, build both builds, run every test suite
# make run    build and open the window (under Wine where this is not Windows)
# make bench  the conversion benchmark
# make fuzz   every fuzz target for FUZZ_SECONDS each
# make dist   the zip for the admin
.PHONY: all setup linux windows test test-linux test-windows run bench fuzz dist clean format

all: linux windows

setup:
	@scripts/setup

linux:
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux

windows:
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows

test-linux: linux
	@ctest --preset linux

# The window's tests (label gui) need a virtual screen and the native XDND
# tool; test-gui runs them.
test-windows: windows
	@ctest --preset windows -LE gui

# Further suites (sanitizers, fuzz regression, the live window) add their
# targets to TEST_SUITES from mk/*.mk.
TEST_SUITES := test-linux test-windows

-include mk/*.mk

test: setup
	@$(MAKE) --no-print-directory $(TEST_SUITES)
	@echo "make test: every suite passed"

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build dist
