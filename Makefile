# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# The front door: every task sets up what it needs, then builds and does its work.
#   make run     set up, build and start Quantell
#   make test    set up, build and run every test
# Further: screenshot, sanitize, bench, fuzz (FUZZ_SECONDS=n), format, install, package, clean.
# Windows, cross-built here and run under Wine: windows (the zip, the MSI and the setup
# program), windows-test, windows-screenshot, windows-bench, windows-engine-test (the engine
# alone, no Qt needed).

SETUP := scripts/setup.sh
FUZZ_SECONDS ?= 20
SCREENSHOTS ?= build/default/screenshots

# What the build of each CMake preset needs installed (scripts/setup.sh names the packages).
needs.default := build test
needs.asan := build test
needs.release := build test bench
needs.fuzz := fuzz

.PHONY: run test build screenshot sanitize bench fuzz format install package clean \
	windows windows-test windows-screenshot windows-bench windows-engine-test

# preset-<name>: sets up, configures and builds the preset <name> of CMakePresets.json.
preset-%:
	@$(SETUP) $(needs.$*)
	@cmake --preset $* >/dev/null
	@cmake --build --preset $*

build: preset-default

run: build
	@scripts/run.sh build/default/shell/quantell

test: preset-default
	@ctest --preset default

screenshot: build
	@$(SETUP) screenshot
	@scripts/screenshot.sh build/default $(SCREENSHOTS)

sanitize: preset-asan
	@ctest --preset asan

bench: preset-release
	@scripts/bench.sh build/release
	@scripts/startup-bench.sh build/release

fuzz: preset-fuzz
	@scripts/fuzz.sh build/fuzz $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

install: build
	@cmake --install build/default --prefix $${PREFIX:-/usr/local}

package: preset-release
	@$(SETUP) package
	@cd build/release && rm -f *.deb && cpack -G DEB
	@! command -v lintian >/dev/null || lintian --fail-on error,warning build/release/*.deb

windows:
	@scripts/windows-build.sh

windows-test: windows
	@scripts/windows-test.sh build/windows

windows-screenshot: windows
	@scripts/screenshot.sh build/windows $(SCREENSHOTS)

windows-bench: windows
	@scripts/startup-bench.sh build/windows

windows-engine-test:
	@scripts/windows-build.sh engine
	@scripts/windows-test.sh build/windows-engine

clean:
	@rm -rf build
