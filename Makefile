# The front door: every target installs what it needs first.
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: deps build test test-asan fuzz bench run format clean preview-image install deb \
  windows-deps windows windows-dist test-windows conformance

PREFIX ?= /usr/local

deps:
	@tools/deps.sh

build: deps
	cmake --preset release $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j$(JOBS)

test: build
	cd build && ctest --output-on-failure -j$(JOBS) -LE wine

# ASAN_LABEL=unit runs only the unit tests (what CI runs); empty runs every test.
ASAN_LABEL ?=

test-asan: deps
	cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j$(JOBS) -LE wine $(if $(ASAN_LABEL),-L $(ASAN_LABEL))

# Runs every fuzz target for FUZZ_SECONDS (default 60) each; see tools/fuzz.sh.
fuzz: deps
	tools/fuzz.sh

bench: deps
	cmake --preset bench $(CMAKE_FLAGS) >/dev/null
	cmake --build build-bench -j$(JOBS) --target corvane_bench corvane_startup_bench corvane_scr \
	  corvane_effect
	build-bench/corvane_bench
	build-bench/corvane_startup_bench
	bench/saver_cpu.sh build-bench

# Remakes resources/preview.jpg from the desktop scene and the effect library (resources/README.md).
preview-image: deps
	cmake --preset release $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j$(JOBS) --target preview_image

# Installs under PREFIX (default /usr/local); DESTDIR, when given, is put in front of every path.
install: deps
	cmake --preset release -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j$(JOBS) --target corvane_scr corvane_effect corvane_dist_files
	DESTDIR="$(DESTDIR)" cmake --install build

# A Debian package of the tree installed under /usr (build/corvane_<version>_<arch>.deb), then
# checked by tools/check-deb.sh.
deb: deps
	cmake --preset release -DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j$(JOBS) --target corvane_scr corvane_effect corvane_dist_files \
	  installed_e2e_test
	rm -f build/corvane_*.deb
	cd build && cpack -G DEB
	tools/check-deb.sh build/corvane_*.deb build

# The Windows build: cross-built with MinGW-w64 into build-windows/, its tests run under Wine in a
# prefix of its own there. Its packages are apart from the Linux build's (tools/packages-windows.txt).
windows-deps:
	@tools/deps.sh tools/packages-windows.txt

windows: windows-deps
	cmake --preset windows $(CMAKE_FLAGS) >/dev/null
	cmake --build build-windows -j$(JOBS)

# What a Windows user downloads: build-windows/Corvane-1.0-win64.zip and Corvane-1.0-setup.exe
# (tools/windows-dist.sh).
windows-dist: windows
	tools/windows-dist.sh build-windows

# The unit tests run under Wine first; then the Linux build drives the program under Wine end to
# end, one test at a time, since each ends the prefix's Wine server after it.
test-windows: windows-dist build
	cd build-windows && WINEPREFIX=$(CURDIR)/build-windows/wine ctest --output-on-failure -j$(JOBS)
	cd build && ctest --output-on-failure -L wine

# The conformance cases on the program's own engine and on Wine's, compared in docs/conformance.md.
conformance: deps windows-deps
	cmake --preset release $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j$(JOBS) --target conformance_test
	cmake --preset windows $(CMAKE_FLAGS) >/dev/null
	cmake --build build-windows -j$(JOBS) --target conformance_test
	tools/conformance-report.py

run: build
	@tools/run.sh

format:
	git ls-files -co --exclude-standard "*.cpp" "*.h" | xargs clang-format -i

clean:
	rm -rf build build-asan build-bench build-fuzz build-windows
