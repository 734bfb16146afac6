# Lists saved as Unicode: the console converters of both builds on every
# encoding fixture, their output files compared with each other byte for byte
# (each build's own ctest already compares them with the expected bytes).
#   make test-encoding-builds
.PHONY: test-encoding-builds

test-encoding-builds: linux $(WINDOWS_TEST_BUILD)
	@rm -rf build/encoding-outputs
	@FIXTURES=$(CURDIR)/tests/encoding/fixtures KEEP_OUTPUTS=$(CURDIR)/build/encoding-outputs/linux \
	  sh tests/encoding/console_converter_encodings_test.sh build/linux/netbar-mac
	@FIXTURES=$(CURDIR)/tests/encoding/fixtures KEEP_OUTPUTS=$(CURDIR)/build/encoding-outputs/windows \
	  sh tests/encoding/console_converter_encodings_test.sh $(CURDIR)/scripts/wine-run build/$(WINDOWS_TEST_BUILD)/netbar-mac.exe
	@diff -r build/encoding-outputs/linux build/encoding-outputs/windows >/dev/null \
	  || { echo "test-encoding-builds: the two builds wrote different bytes"; \
	       diff -r build/encoding-outputs/linux build/encoding-outputs/windows; exit 1; }
	@echo "test-encoding-builds: both builds wrote the same bytes for all $$(ls build/encoding-outputs/linux | wc -l) lists"

TEST_SUITES += test-encoding-builds
