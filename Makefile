BUILD ?= build
WINDOWS_BUILD ?= build-windows
JOBS ?= 2

.PHONY: deps build run test test-asan fuzz bench windows release test-windows clean

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

# The Windows program folder in $(WINDOWS_BUILD)/Merisko, cross-built with MinGW-w64 against Qt built
# for Windows once per machine (scripts/build-qt-windows caches it). The native build in $(BUILD)
# supplies the programs that draw the data folders.
windows: deps
	@prefix=$$(JOBS=$(JOBS) scripts/build-qt-windows) && \
	 cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null && \
	 cmake --build $(BUILD) -j $(JOBS) --target makebase makebooks merisko && \
	 cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	       -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	       -DMERISKO_WINDOWS_PREFIX=$$prefix -DCMAKE_PREFIX_PATH=$$prefix \
	       -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	       -DMERISKO_HOST_BUILD=$(abspath $(BUILD)) >/dev/null && \
	 cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# dist/Merisko-<version>-windows-x64.zip and dist/Merisko-<version>-linux-x64.tar.gz.
release: windows build
	@scripts/release

# The Windows release under Wine, compared with the Linux build.
test-windows: release
	@scripts/test-windows

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD)
