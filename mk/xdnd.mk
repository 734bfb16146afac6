# make test-xdnd   xdnd-drop end to end: real XDND drags from the native
#                  tool onto a small Windows drop target under Wine, on a
#                  virtual screen of its own.
.PHONY: test-xdnd

XDND_DROP := build/linux/tests/xdnd/xdnd-drop
XDND_DROP_TARGET := build/$(WINDOWS_TEST_BUILD)/tests/xdnd/xdnd-drop-target.exe
XDND_WINDOW_SEARCH_TESTS := build/linux/tests/xdnd/xdnd_window_search_tests

test-xdnd: linux $(WINDOWS_TEST_BUILD)
	@xvfb-run -a -s "-screen 0 1024x768x24" $(XDND_WINDOW_SEARCH_TESTS) --gtest_brief=1
	@xvfb-run -a -s "-screen 0 1024x768x24" \
	  sh tests/xdnd/xdnd_drop_test.sh $(XDND_DROP) $(XDND_DROP_TARGET)

TEST_SUITES += test-xdnd
