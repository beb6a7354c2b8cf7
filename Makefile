BUILD ?= build
JOBS ?= 2

.PHONY: deps build run test test-asan fuzz bench clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/Merisko/merisko

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	@scripts/test-asan

fuzz:
	@scripts/install-deps fuzz
	@scripts/fuzz

bench: build
	@if command -v xvfb-run >/dev/null; then xvfb-run -a -s "-screen 0 1280x1024x24" scripts/bench-report $(BUILD); \
	 else scripts/bench-report $(BUILD); fi

clean:
	rm -rf $(BUILD)
