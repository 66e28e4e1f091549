# make test  - install what is missing, build, and run the whole test suite headless
# make run   - install what is missing, build, and start Tormark on the bundled sample sites
# make sanitize - the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# make package - build, and make the Debian package build/tormark_<version>_<arch>.deb

.PHONY: deps build test run sanitize package clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B build
	cmake --build build -j$$(nproc)

test: deps
	scripts/run-tests build

sanitize: deps
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  scripts/run-tests build-sanitize -DTORMARK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

run: build
	build/tormark/Tormark --db samples/Sites.dat

package: build
	cd build && cpack -G DEB

clean:
	rm -rf build build-sanitize
