# make test  - install what is missing, build, and run the whole test suite headless
# make run   - install what is missing, build, and start Tormark on the bundled sample sites
# make sanitize - the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# make fuzz  - the fuzz harnesses as libFuzzer programs in build-fuzz/fuzz/ (needs clang)
# make package - build only what the package holds (no tests, benchmarks or fuzz harnesses) in
#                build-package/, and make the Debian package
#                build-package/tormark_<version>-<release>_<arch>.deb

.PHONY: deps build test run sanitize fuzz package clean

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

# The harnesses run as plain corpus replays in every test run; this builds them for real
# fuzzing (see fuzz/README.md). Only the libraries the harnesses need are built.
fuzz:
	@command -v clang++ >/dev/null 2>&1 || { \
	  echo "make fuzz needs clang (Debian package clang): apt-get install clang"; \
	  echo "without it the harnesses still run as corpus replays in make test"; exit 1; }
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTORMARK_FUZZ=ON -DBUILD_TESTING=OFF \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j$$(nproc) --target fuzz_harnesses

run: build
	build/tormark/Tormark --db samples/Sites.dat

# A build folder of its own, so that the package never waits for the test programs.
package: deps
	cmake -S . -B build-package -DBUILD_TESTING=OFF -DTORMARK_BUILD_BENCH=OFF -DTORMARK_FUZZ=OFF \
	  -DTORMARK_SANITIZE=OFF
	cmake --build build-package -j$$(nproc)
	cd build-package && cpack -G DEB

clean:
	rm -rf build build-sanitize build-fuzz build-package
