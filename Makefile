# Sluicery: the everyday commands. Each one sets up what it needs first.
SHELL        := /bin/bash
BUILD        ?= build
ASAN_BUILD   ?= build-asan
FUZZ_BUILD   ?= build-fuzz
BUILD_TYPE   ?= RelWithDebInfo
JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := catalogue play progress settings bundle
# The tests of everything that reads files or plays by the rules: run again under the sanitizers.
CORE_TESTS   := engine_tests persist_tests levels_tests

.PHONY: all bootstrap configure build run test bench assets levels clean \
        test-asan test-asan-core fuzz fuzz-smoke lint install package

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/slcy2_4

# Everything headless: Qt draws offscreen, the end-to-end test starts its own Xvfb. The rules
# and the file readers run once more under AddressSanitizer and UBSan, and each fuzz target
# gets a short run; the whole suite comes last.
test: build
	@$(MAKE) --no-print-directory test-asan-core fuzz-smoke
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done
	@bench/startup.sh $(BUILD)/bin
	@bench/memory.sh $(BUILD)/bin
	@bench/sound_latency.sh $(BUILD)/bin

# --- Sanitizers ---------------------------------------------------------------------------
asan-configure: bootstrap
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSLCY_SANITIZE=ON -DSLCY_BENCH=OFF >/dev/null

# The whole suite under the sanitizers.
test-asan: asan-configure
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	    ctest --output-on-failure -j $(JOBS)

test-asan-core: asan-configure
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target $(CORE_TESTS) $(FUZZ_TARGETS:%=%_fuzz)
	@for t in $(CORE_TESTS); do \
	    echo "== $$t under the sanitizers"; \
	    QT_QPA_PLATFORM=offscreen $(ASAN_BUILD)/bin/$$t --gtest_brief=1 || exit 1; \
	done
	@for f in $(FUZZ_TARGETS); do \
	    $(ASAN_BUILD)/bin/$${f}_fuzz tests/fuzz/corpus/$$f || exit 1; \
	done

# --- Fuzzing (libFuzzer, clang) ------------------------------------------------------------
fuzz-configure: bootstrap
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DSLCY_FUZZ=ON -DSLCY_SANITIZE=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Each target for FUZZ_SECONDS; what it finds new goes to build-fuzz/corpus, the seeds stay.
fuzz: fuzz-configure
	@for f in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$f; \
	    echo "== $${f}_fuzz for $(FUZZ_SECONDS) s"; \
	    $(FUZZ_BUILD)/bin/$${f}_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        $(FUZZ_BUILD)/corpus/$$f tests/fuzz/corpus/$$f 2>&1 | grep -E '^(stat::|#[0-9]+[[:space:]]+DONE|==)' ; \
	    test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done

fuzz-smoke:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=4

# --- Static analysis -----------------------------------------------------------------------
lint: configure
	@scripts/lint $(BUILD)

install: build
	cmake --install $(BUILD)

# The Debian package build/sluicery_<version>_<arch>.deb, from the same install rules.
package: build
	cd $(BUILD) && cpack -G DEB

# Regenerate the committed art, sounds and levels from their generators.
assets: build
	$(BUILD)/bin/artgen --out assets
	$(BUILD)/bin/soundgen --out assets/sounds

levels: build
	$(BUILD)/bin/levels generate --seed 2024 --count 500 -o levels/slcy.dat

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
