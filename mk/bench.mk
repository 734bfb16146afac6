# The conversion benchmark (not a test suite: it is never in TEST_SUITES).
#   make bench   builds netbar-mac and netbar-bench in build/linux, generates
#                lists of BENCH_CLIENTS clients in each format under
#                build/bench/lists, times them and prints the Markdown table,
#                which also goes to build/bench/results.md (progress goes
#                to standard error)
# Times are the best of BENCH_RUNS program runs and of BENCH_REPETITIONS
# in-process repetitions. Take figures on an idle machine (see `uptime`).
BENCH_CLIENTS ?= 10000,100000,1000000
BENCH_RUNS ?= 5
BENCH_REPETITIONS ?= 5

bench:
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux --target netbar-mac netbar-bench
	@mkdir -p build/bench
	@build/linux/bench/netbar-bench --converter build/linux/netbar-mac --work build/bench \
	  --clients $(BENCH_CLIENTS) --runs $(BENCH_RUNS) --repetitions $(BENCH_REPETITIONS) \
	  --markdown build/bench/results.md
	@echo "make bench: the table is also in build/bench/results.md"
