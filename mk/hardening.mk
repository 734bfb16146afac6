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
	@cmake --build --preset fuzz --target $(FUZZ_TARGETS)

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

# The core's own tests, the encoding tests, and the console converter's end
# to end and hostile-input suites, all on the sanitized build. Only their
# targets are built, so a suite of the window that cannot build natively
# does not stand in the way.
SANITIZED_TARGETS = core_tests netbar-mac $(if $(wildcard tests/encoding/CMakeLists.txt),encoding_tests)
SANITIZED_TESTS = ^(core_tests|console_converter|hostile_inputs|encoding_tests|encoding_console_converter)$$
test-sanitizers:
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan --target $(SANITIZED_TARGETS)
	@ctest --preset asan -R '$(SANITIZED_TESTS)'

# Every fixture and hand-made seed list (the names with an extension; the
# merged fuzz units are too many for memcheck's pace) through the shipped
# Linux converter under memcheck; any error, a definite leak included, fails.
VALGRIND = valgrind -q --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect
test-valgrind:
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux --target netbar-mac
	@set -e; out=$$(mktemp -d); trap 'rm -rf "$$out"' EXIT; \
	for list in tests/fixtures/*.ini tests/fixtures/*.xml fuzz/corpus/conversion_run_fuzzer/*.*; do \
	  status=0; \
	  $(VALGRIND) build/linux/netbar-mac --explain --output "$$out/Netbar_MAC.txt" "$$list" \
	    >"$$out/stdout" 2>"$$out/stderr" || status=$$?; \
	  if [ $$status -ne 0 ] && [ $$status -ne 1 ]; then \
	    echo "test-valgrind: $$list: exit status $$status"; cat "$$out/stderr"; exit 1; \
	  fi; \
	done; \
	echo "test-valgrind: memcheck clean on every fixture and seed list"

TEST_SUITES += test-fuzz test-sanitizers test-valgrind

# Line coverage of the core reached by each target's corpus (the committed
# seeds and whatever `make fuzz` has grown in build/fuzz/corpus).
FUZZ_COVERAGE_FLAGS = -fsanitize=fuzzer-no-link -fprofile-instr-generate -fcoverage-mapping
fuzz-coverage:
	@cmake -S . -B build/fuzz-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS="$(FUZZ_COVERAGE_FLAGS)" -DNETBAR_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build build/fuzz-coverage --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$t; \
	  LLVM_PROFILE_FILE=build/fuzz-coverage/$$t.profraw build/fuzz-coverage/fuzz/$$t -runs=0 \
	    build/fuzz/corpus/$$t fuzz/corpus/$$t >/dev/null 2>&1 || exit 1; \
	  llvm-profdata merge -sparse build/fuzz-coverage/$$t.profraw -o build/fuzz-coverage/$$t.profdata; \
	  echo "fuzz-coverage: $$t"; \
	  llvm-cov report build/fuzz-coverage/fuzz/$$t -instr-profile=build/fuzz-coverage/$$t.profdata \
	    text conversion files app; \
	done
.PHONY: fuzz-coverage
