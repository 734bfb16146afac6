# Hardening: the libFuzzer targets, the sanitizer build and valgrind.
#   make fuzz              every fuzz target for FUZZ_SECONDS (default 60) each
#   make test-fuzz         every target over its committed corpus, then for
#                          FUZZ_REGRESSION_SECONDS (default 10) from it
#   make test-sanitizers   the native build and its tests with ASan and UBSan
#   make test-valgrind     memcheck over the console converter on the fixtures
# A finding of the fuzzer is left in build/fuzz/findings/<target>/.
FUZZ_SECONDS ?= 60
FUZZ_REGRESSION_SECONDS ?= 10
FUZZ_TARGETS := conversion_run_fuzzer text_operations_fuzzer
FUZZ_BIN := build/fuzz/fuzz
FUZZ_FLAGS = -dict=fuzz/netbar.dict -print_final_stats=1 -artifact_prefix=build/fuzz/findings/$$t/

.PHONY: fuzz-build test-fuzz test-sanitizers test-valgrind

fuzz-build:
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

# The growing corpus of a long run stays in build/fuzz/corpus/<target>; the
# committed seeds are only read.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$t build/fuzz/findings/$$t; \
	  echo "fuzz: $$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BIN)/$$t $(FUZZ_FLAGS) -max_total_time=$(FUZZ_SECONDS) \
	    build/fuzz/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

test-fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/findings/$$t; \
	  echo "test-fuzz: $$t over its committed corpus"; \
	  $(FUZZ_BIN)/$$t fuzz/corpus/$$t/* >build/fuzz/findings/$$t/corpus.log 2>&1 \
	    || { cat build/fuzz/findings/$$t/corpus.log; exit 1; }; \
	  echo "test-fuzz: $$t for $(FUZZ_REGRESSION_SECONDS) s"; \
	  rm -rf build/fuzz/regression/$$t && mkdir -p build/fuzz/regression/$$t; \
	  $(FUZZ_BIN)/$$t $(FUZZ_FLAGS) -max_total_time=$(FUZZ_REGRESSION_SECONDS) \
	    build/fuzz/regression/$$t fuzz/corpus/$$t >build/fuzz/findings/$$t/regression.log 2>&1 \
	    || { tail -n 60 build/fuzz/findings/$$t/regression.log; exit 1; }; \
	  grep -h 'stat::number_of_executed_units\|stat::average_exec_per_sec' \
	    build/fuzz/findings/$$t/regression.log | sed 's/^/  /'; \
	done

test-sanitizers:
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# Every fixture through the shipped Linux converter under memcheck; any
# error, a definite leak included, fails.
VALGRIND = valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect
test-valgrind: linux
	@set -e; out=$$(mktemp -d); trap 'rm -rf "$$out"' EXIT; \
	for list in tests/fixtures/*.ini tests/fixtures/*.xml fuzz/corpus/conversion_run_fuzzer/*; do \
	  status=0; \
	  $(VALGRIND) build/linux/netbar-mac --explain --output "$$out/Netbar_MAC.txt" "$$list" \
	    >"$$out/stdout" 2>"$$out/stderr" || status=$$?; \
	  if [ $$status -ne 0 ] && [ $$status -ne 1 ]; then \
	    echo "test-valgrind: $$list: exit status $$status"; cat "$$out/stderr"; exit 1; \
	  fi; \
	done; \
	echo "test-valgrind: memcheck clean on every fixture and seed list"

TEST_SUITES += test-fuzz test-sanitizers test-valgrind
