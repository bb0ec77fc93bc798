# make run: installs what building and running need, builds the program and its companion only
# (preset program, no tests or benchmarks), starts the program.
# make test: installs what is missing, builds, runs the whole suite (the release build with warnings
# as errors, the sanitizer build, the fuzz corpus built with Clang, and the Windows tests under Wine).
# make check: the release suite alone (warnings as errors), the quick round while working, and
# clang-tidy over the files of src/ the branch changes, and the tests' share of the code (the
# tree's and the branch's, scripts/test-share.sh).
# make tidy: clang-tidy over src/ with the checks in .clang-tidy.
# make fuzz: fuzzes every fuzz target for FUZZ_SECONDS each (default 60), starting from its
# corpus in tests/fuzz (with tests/fuzz/TARGET.dict where there is one); what it finds goes to
# build/clang-fuzz/fuzz-found/, the corpus is left as it is (add an input that made a target fail
# to its corpus by hand, with the mend).
# make deb: the Debian package, built with dpkg-buildpackage, in build/deb/.
# make test-deb: builds the package, installs it, starts both programs as an ordinary user, and
# removes it again (as root; changes the system's packages).
# make test-windows: builds Qt for Windows once (cached), the Windows program and its package, and
# runs the windows' tests and the package under Wine.

# The project's own compilations are cached outside the checkout, for every clone and preset alike;
# paths below the checkout are hashed relative to it.
# Where that folder cannot be made (an ordinary user), ccache keeps its own default.
ifndef CCACHE_DIR
CCACHE_DIR := $(shell d=/var/cache/vorlent/ccache; mkdir -p $$d 2>/dev/null && [ -w $$d ] && echo $$d)
endif
ifeq ($(CCACHE_DIR),)
undefine CCACHE_DIR
else
export CCACHE_DIR
endif
CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_BASEDIR

.PHONY: run test check tidy deps run-deps build build-program build-ci build-asan build-fuzz fuzz
.PHONY: bench screenshots clean deb test-deb
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

# Each target with its seed corpus.
FUZZ_TARGETS = config_load:tests/fuzz/corpus software_database:tests/fuzz/corpus-software-database \
               control_characters:tests/fuzz/corpus-control-characters
FUZZ_SECONDS ?= 60

fuzz: build-fuzz
	@for pair in $(FUZZ_TARGETS); do \
	  target=$${pair%%:*}; seeds=$${pair#*:}; \
	  found=build/clang-fuzz/fuzz-found/$$target; mkdir -p $$found/corpus; \
	  dict=tests/fuzz/$$target.dict; [ -f $$dict ] && dict=-dict=$$dict || dict=; \
	  echo "fuzzing $$target for $(FUZZ_SECONDS) s"; \
	  nice -n 10 build/clang-fuzz/bin/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) $$dict \
	    -artifact_prefix=$$found/ $$found/corpus $$seeds || exit 1; \
	done

test: build-ci build-asan build-fuzz
	ctest --preset ci
	ctest --preset clang-fuzz
	ctest --preset debug-asan
	scripts/wine-tests.sh

check: build-ci
	ctest --preset ci
	scripts/tidy-changed.sh build/ci
	@scripts/test-share.sh

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
