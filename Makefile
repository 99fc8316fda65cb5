# Entry points: `make test` builds and runs every test (plain, then under
# AddressSanitizer and UndefinedBehaviorSanitizer); `make run` builds only what
# it runs (the program, its translations and the manual) and starts it. Both
# install the Debian packages they need first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 300

SAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
          UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
          LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: all deps configure build test test-plain test-asan run bench fuzz clean package test-package uninstall

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: test-plain test-asan

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCRV_SANITIZE=ON >/dev/null
	@$(SAN_ENV) cmake --build $(ASAN_BUILD) -j$(JOBS)
	$(SAN_ENV) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

# A Debian package of the program in $(BUILD)/.
package: build
	@cmake --build $(BUILD) --target package

# Installs the package on this machine, runs it and removes it again (root or
# sudo): not part of `make test`, which must leave the system alone.
test-package: package
	@bash scripts/test-package.sh $(BUILD)

# Takes back a `cmake --install $(BUILD)`, the MIME and desktop databases included.
uninstall:
	@bash scripts/uninstall.sh $(BUILD)

# The manual's figures need the program, and the program its translations.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target curvilinearscope crv_manual
	@bash scripts/run.sh $(BUILD)

bench:
	@bash scripts/install-deps.sh --bench
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCRV_BENCH=ON -DCRV_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j$(JOBS)
	@bash scripts/run-benchmarks.sh $(BENCH_BUILD)

fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCRV_FUZZ=ON \
	  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined" -DCRV_GUI=OFF -DCRV_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
