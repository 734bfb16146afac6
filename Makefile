# make test   set up the machine, build both builds, run every test suite
# make run    build and open the window (under Wine where this is not Windows)
# make bench  the conversion benchmark
# make fuzz   every fuzz target for FUZZ_SECONDS each
# make dist   the zip for the admin
.PHONY: all setup linux windows windows64 check-windows-program test test-linux test-windows run bench fuzz dist clean format

all: linux windows

setup:
	@scripts/setup

linux:
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux

windows:
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows

windows64:
	@cmake --preset windows64 >/dev/null
	@cmake --build --preset windows64

# The Windows suites run on the shipped i686 build. A machine that cannot run
# 32-bit code at all (some virtual machines refuse it) runs them on the same
# sources built for x86_64 under 64-bit Wine instead; the i686 build is then
# still built and its executables checked.
WINDOWS_TEST_BUILD := $(shell scripts/windows-test-build)

test-linux: linux
	@ctest --preset linux

# The window's tests (label gui) need a virtual screen and the native XDND
# tool; test-gui runs them.
test-windows: check-windows-program $(WINDOWS_TEST_BUILD)
	@if [ $(WINDOWS_TEST_BUILD) != windows ]; then \
	  echo "test-windows: this machine cannot run 32-bit programs; the Windows suites run on build/$(WINDOWS_TEST_BUILD)"; fi
	@ctest --preset $(WINDOWS_TEST_BUILD) -LE gui

# What ships: 32-bit executables of the right subsystem that need no DLL
# beyond Windows' own.
check-windows-program: windows
	@scripts/check-windows-program build/windows

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
