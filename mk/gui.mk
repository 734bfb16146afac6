# The window program.
#   make test-gui   the window's tests under Wine on a virtual screen of their
#                   own: in-process (drop target, window) and live
#                   (NetbarMac.exe driven from outside, XDND drops); the
#                   screenshots go to screenshots/ in the Windows build
#                   folder
#   make run        builds and opens the window (under Wine); without a
#                   display it starts a virtual one and saves a screenshot
#   make dist       dist/NetbarMac.zip: NetbarMac.exe, netbar-mac.exe and
#                   README.txt for the admin (GBK, CR LF)
#   make bench-append   the cost of showing 1k, 10k and 100k records
.PHONY: test-gui bench-append

XDND_DROP ?= build/linux/tests/xdnd/xdnd-drop

# Both builds with their tests (the default; a build directory configured
# without them is set back).
test-gui:
	@cmake --preset linux -DBUILD_TESTING=ON >/dev/null
	@cmake --build --preset linux --target xdnd-drop
	@cmake --preset $(WINDOWS_TEST_BUILD) -DBUILD_TESTING=ON >/dev/null
	@cmake --build --preset $(WINDOWS_TEST_BUILD)
	@ctest --preset $(WINDOWS_TEST_BUILD) -L gui

run: $(WINDOWS_TEST_BUILD)
	@scripts/run-window build/$(WINDOWS_TEST_BUILD)/NetbarMac.exe

dist: windows
	@rm -rf build/dist && mkdir -p build/dist/NetbarMac dist
	@cp build/windows/NetbarMac.exe build/windows/netbar-mac.exe build/dist/NetbarMac/
	@sed 's/$$/\r/' ui/dist/README.txt | iconv -f UTF-8 -t GBK > build/dist/NetbarMac/README.txt
	@rm -f dist/NetbarMac.zip
	@cd build/dist && zip -q -r -X ../../dist/NetbarMac.zip NetbarMac
	@echo "make dist: dist/NetbarMac.zip"; unzip -l dist/NetbarMac.zip | sed -n '4,$$p'

bench-append: $(WINDOWS_TEST_BUILD)
	@tests/ui/with_display.sh build/$(WINDOWS_TEST_BUILD)/tests/ui/append_cost_benchmark.exe

TEST_SUITES += test-gui
