# make run   - install what is missing, build, start the program
# make test  - install what is missing, build, run every test
# make bench - build and run the benchmarks
# make fuzz  - build and run each fuzz target for FUZZ_SECONDS (default 60)
BUILD ?= build
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kestrel-rundown

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTREL_BENCH=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target kestrel_bench
	./$(BUILD)-bench/bench/kestrel_bench

fuzz:
	@bash scripts/install-deps.sh --fuzz
	@bash fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-fuzz
