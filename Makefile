# Sluicery: the everyday commands. Each one sets up what it needs first.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)

.PHONY: all bootstrap configure build run test bench assets levels clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/slcy2_4

# Tests never need a display: Qt draws offscreen, and the end-to-end test starts its own Xvfb.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

# Regenerate the committed art, sounds and levels from their generators.
assets: build
	$(BUILD)/bin/artgen --out assets
	$(BUILD)/bin/soundgen --out assets/sounds

levels: build
	$(BUILD)/bin/levels generate --seed 2024 --count 500 -o levels/slcy.dat

clean:
	rm -rf $(BUILD)
