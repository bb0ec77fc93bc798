# make run: installs what is missing, builds, starts the program.
# make test: installs what is missing, builds, runs the whole suite (release and sanitizer builds, and the Windows tests under Wine).
# make test-windows: builds Qt for Windows once (cached), the Windows program and its package, and
# runs the windows' tests and the package under Wine.
.PHONY: run test deps build build-asan bench screenshots clean
.PHONY: windows windows-package screenshots-windows test-windows

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

build-asan: deps
	@cmake --preset debug-asan >/dev/null
	@cmake --build --preset debug-asan

run: build
	@scripts/run-program.sh build/release/bin/vorlent

test: build build-asan
	ctest --preset release
	ctest --preset debug-asan
	scripts/wine-tests.sh

bench: build
	@for b in build/release/bin/bench_*; do $$b; done

screenshots: build
	@cmake --build --preset release --target screenshots

windows:
	@scripts/windows.sh build

windows-package:
	@scripts/windows.sh package

screenshots-windows:
	@scripts/windows.sh screenshots

test-windows:
	@scripts/windows.sh test

clean:
	rm -rf build
