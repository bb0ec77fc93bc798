# make run: installs what is missing, builds, starts the program.
# make test: installs what is missing, builds, runs the whole suite (release and sanitizer builds, and the Windows tests under Wine).
.PHONY: run test deps build build-asan bench screenshots clean

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

clean:
	rm -rf build
