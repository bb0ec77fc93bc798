# make run: installs what building and running need, builds the program and its companion only
# (preset program, no tests or benchmarks), starts the program.
# make test: installs what is missing, builds, runs the whole suite (the release build with warnings
# as errors, the sanitizer build, the fuzz corpus built with Clang, and the Windows tests under Wine).
# make check: the release suite alone (warnings as errors), the quick round while working.
# make tidy: clang-tidy over src/ with the checks in .clang-tidy.
# make deb: the Debian package, built with dpkg-buildpackage, in build/deb/.
# make test-deb: builds the package, installs it, starts both programs as an ordinary user, and
# removes it again (as root; changes the system's packages).
# make test-windows: builds Qt for Windows once (cached), the Windows program and its package, and
# runs the windows' tests and the package under Wine.
.PHONY: run test check tidy deps run-deps build build-program build-ci build-asan build-fuzz bench
.PHONY: screenshots clean deb test-deb
.PHONY: windows windows-package screenshots-windows test-windows

deps:
	@scripts/install-deps.sh test

run-deps:
	@scripts/install-deps.sh run

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

build-ci: deps
	@cmake --preset ci >/dev/null
	@cmake --build --preset ci

build-asan: deps
	@cmake --preset debug-asan >/dev/null
	@cmake --build --preset debug-asan

build-program: run-deps
	@cmake --preset program >/dev/null
	@cmake --build --preset program

run: build-program
	@scripts/run-program.sh build/program/bin/vorlent

# Only the fuzz targets are built with Clang, not the whole tree a second time.
build-fuzz: deps
	@cmake --preset clang-fuzz >/dev/null
	@cmake --build --preset clang-fuzz

test: build-ci build-asan build-fuzz
	ctest --preset ci
	ctest --preset clang-fuzz
	ctest --preset debug-asan
	scripts/wine-tests.sh

check: build-ci
	ctest --preset ci

# The compile commands of the ci build; GCC's options Clang does not know are let pass.
tidy: deps
	@cmake --preset ci >/dev/null
	nice -n 10 run-clang-tidy-14 -quiet -clang-tidy-binary clang-tidy-14 -p build/ci \
	  -extra-arg=-Wno-unknown-warning-option '^$(CURDIR)/src/'

bench: build
	@for b in build/release/bin/bench_*; do $$b; done

screenshots: build
	@cmake --build --preset release --target screenshots

deb:
	@scripts/deb-build.sh

test-deb:
	@scripts/deb-test.sh

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
