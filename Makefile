# The two everyday commands are `make run` and `make test`; both install what is missing first.
# `make fuzz` and `make bench` are run on demand.
JOBS ?= $(shell nproc)
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60
# Repetitions behind each median of `make bench`.
BENCH_RUNS ?= 15

SANITIZER_REPORTS := build/sanitize/sanitizer-reports

.PHONY: all deps configure build run test test-default test-sanitize fuzz bench clean format

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default -j $(JOBS)

run: build
	./scripts/run.sh build/default/zenthari

# The whole suite twice: in the normal build and under AddressSanitizer and
# UndefinedBehaviorSanitizer. A sanitizer report anywhere, also from a program a test started,
# fails the run: the reports are written to files and any file there counts.
test: test-default test-sanitize

test-default: build
	ctest --preset default -j $(JOBS)

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	@mkdir -p $(SANITIZER_REPORTS) && rm -f $(SANITIZER_REPORTS)/*
	@ctest --preset sanitize -j $(JOBS); status=$$?; \
	if [ -n "$$(ls -A $(SANITIZER_REPORTS))" ]; then \
		for report in $(SANITIZER_REPORTS)/*; do echo "== $$report"; cat "$$report"; done; \
		echo "Sanitizer reports were written (see above): the run fails."; exit 1; \
	fi; exit $$status

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS on a working copy of
# its committed corpus; what a run finds is left in build/fuzz/findings/.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	@mkdir -p build/fuzz/findings
	@for target in build/fuzz/fuzz/fuzz_*; do \
		[ -f "$$target" ] && [ -x "$$target" ] || continue; \
		name=$${target##*/fuzz_}; \
		mkdir -p build/fuzz/corpus/$$name; \
		echo "== $$name, $(FUZZ_SECONDS) s"; \
		$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=build/fuzz/findings/$$name- \
			build/fuzz/corpus/$$name fuzz/corpus/$$name 2>&1 | \
			grep -E '^(stat::number_of_executed_units|==|SUMMARY|.*invariant broken)' || true; \
		if ls build/fuzz/findings/$$name-* >/dev/null 2>&1; then \
			echo "$$name found inputs that break it: build/fuzz/findings/$$name-*"; exit 1; \
		fi; \
	done

# Start-up, memory, latencies and throughput, as one table (see bench/RESULTS.md).
bench: build
	BENCH_RUNS=$(BENCH_RUNS) ./bench/run-bench.sh build/default

clean:
	rm -rf build

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
