BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build run test test-sanitize fuzz bench package package-check screenshots translations clean format windows windows-check

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/orvaps --demo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 120

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz

bench: build
	$(BUILD)/bin/bench_orva 10
	$(BUILD)/bin/bench_history
	$(BUILD)/bin/bench_history --postgres

package: build
	cd $(BUILD) && cpack -G DEB

package-check:
	scripts/check-package

translations: build
	cmake --build $(BUILD) --target update_translations

screenshots: build
	@scripts/install-deps docs
	scripts/screenshots

test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) --timeout 600

FUZZ_SECONDS ?= 120
fuzz:
	@scripts/install-deps fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build build-fuzz --target fuzz_parameterfile fuzz_replies
	for t in parameterfile replies; do \
		mkdir -p build-fuzz/corpus-$$t && cp -n tests/fuzz/corpus/$$t/* build-fuzz/corpus-$$t/; \
		build-fuzz/bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=4096 build-fuzz/corpus-$$t || exit 1; \
	done

# Windows programs, cross-built with MinGW against a Qt built once by
# scripts/build-windows-qt; moc, rcc and lrelease are the host's.
ORVAPS_QT_WIN ?= $(HOME)/.cache/orvaps/qt-6.4.2-mingw
export ORVAPS_QT_WIN
windows:
	@scripts/build-windows-qt
	@$(ORVAPS_QT_WIN)/bin/qt-cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
		-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
	@cmake --build build-windows -j $(JOBS)
	@scripts/package-windows

# The Windows build under Wine against the simulator, step by step; the
# window's screenshot goes to docs/windows.png.
windows-check: windows build
	@scripts/install-deps windows
	scripts/windows-check docs/windows.png
