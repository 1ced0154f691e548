# The commands a newcomer needs: `make run`, `make test`, `make bench`; `make package` for a parent.
JOBS ?= 2
BUILD_RELEASE := build/release
BUILD_TEST := build/test

.PHONY: deps run test bench package build-release build-test fuzz clean translations

deps:
	@scripts/install-deps

build-release: deps
	cmake -S . -B $(BUILD_RELEASE) -DCMAKE_BUILD_TYPE=Release -DPINTOOLA_BENCH=ON -DPINTOOLA_TESTS=OFF
	cmake --build $(BUILD_RELEASE) -j$(JOBS)

run: build-release
	$(BUILD_RELEASE)/bin/pintoola

# The Debian package of the Release build: $(BUILD_RELEASE)/pintoola_<version>_<arch>.deb, the only
# one there, for `apt install ./$(BUILD_RELEASE)/pintoola_*.deb`.
package: build-release
	@scripts/install-deps package
	rm -f $(BUILD_RELEASE)/pintoola_*.deb
	cd $(BUILD_RELEASE) && cpack

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
