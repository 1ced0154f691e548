# The commands a newcomer needs: `make run`, `make test`, `make bench`; `make package` for a parent.
JOBS ?= 2
BUILD_RELEASE := build/release
BUILD_TEST := build/test
BUILD_PACKAGE := build/package

.PHONY: deps run test bench package build-release build-test fuzz clean translations

deps:
	@scripts/install-deps

build-release: deps
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DPINTOOLA_BENCH=ON -DPINTOOLA_TESTS=OFF
	cmake --build $(BUILD_RELEASE) -j$(JOBS)

run: build-release
	$(BUILD_RELEASE)/bin/pintoola

# The Debian package, built in its own tree with Debian's hardening flags:
# $(BUILD_PACKAGE)/pintoola_<version>_<arch>.deb, the only one there, for
# `apt install ./$(BUILD_PACKAGE)/pintoola_*.deb`.
# CMake reads no CPPFLAGS, so they join the compiler flags. Beyond Debian 12's hardening=+all:
# stack clash protection, and _FORTIFY_SOURCE=3, which also checks buffers whose size is known only
# at run time (at level 2 no read of the program had a size left to check, so none was fortified).
# -g goes: the package is stripped and has no debug symbols package.
PACKAGE_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all \
  DEB_CPPFLAGS_MAINT_STRIP=-D_FORTIFY_SOURCE=2 DEB_CPPFLAGS_MAINT_APPEND=-D_FORTIFY_SOURCE=3 \
  DEB_CXXFLAGS_MAINT_STRIP=-g DEB_CXXFLAGS_MAINT_APPEND=-fstack-clash-protection dpkg-buildflags --get
CCACHE := $(shell command -v ccache)
package: deps
	@scripts/install-deps package
	cmake -S . -B $(BUILD_PACKAGE) -DCMAKE_BUILD_TYPE=Release -DPINTOOLA_TESTS=OFF \
	  $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)) \
	  -DCMAKE_CXX_FLAGS="$$($(PACKAGE_FLAGS) CPPFLAGS) $$($(PACKAGE_FLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(PACKAGE_FLAGS) LDFLAGS)"
	cmake --build $(BUILD_PACKAGE) -j$(JOBS)
	rm -f $(BUILD_PACKAGE)/pintoola_*.deb
	cd $(BUILD_PACKAGE) && cpack

build-test: deps
	cmake -S . -B $(BUILD_TEST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINTOOLA_SANITIZE=ON
	cmake --build $(BUILD_TEST) -j$(JOBS)

test: build-test
	cd $(BUILD_TEST) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -j$(JOBS)

bench: build-release
	scripts/run-bench $(BUILD_RELEASE)

# Brings translations/*.ts up to date with the texts in every source folder (lupdate); translate
# what it marks unfinished with linguist or a text editor.
translations: deps
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DPINTOOLA_BENCH=ON -DPINTOOLA_TESTS=OFF
	cmake --build $(BUILD_RELEASE) --target update_translations

# The page reader under libFuzzer for FUZZ_SECONDS over the seed corpus and the kept findings.
FUZZ_SECONDS ?= 600
fuzz: deps
	CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINTOOLA_FUZZ=ON
	cmake --build build/fuzz -j$(JOBS)
	scripts/run-fuzz build/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
