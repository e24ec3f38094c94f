# The README's commands. Everything builds in build/ (the browser version in
# build-web/); `make run` and `make test` first install the Debian packages
# that are missing.
BUILD ?= build
BUILD_WEB ?= build-web
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVAN_WERROR=ON -DTERVAN_BUILD_QT=ON -DTERVAN_BUILD_TESTS=ON

.PHONY: all deps deps-web configure build run test sanitized fuzz web test-web package check-package bench artwork docs-pictures clean

all: build

deps:
	@bash scripts/install-deps.sh

# What the browser version needs besides: emscripten, FreeType's Debian
# source, chromium-headless-shell and playwright-core.
deps-web:
	@bash scripts/install-web-deps.sh

configure:
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: deps build
	@bash scripts/run.sh $(BUILD)

# Every test in $(BUILD); then all of them once more in $(BUILD)-asan, the
# real Qt window's offscreen too, built by Clang with AddressSanitizer (leaks
# too) and UndefinedBehaviorSanitizer; then each fuzzer of tests/fuzz for
# FUZZ_TEST_SECONDS from its seed corpus.
FUZZ_TEST_SECONDS ?= 20
test: deps build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory sanitized
	@cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:abort_on_error=1 ctest --output-on-failure -j $(JOBS)
	@JOBS=$(JOBS) bash scripts/fuzz.sh $(BUILD)-asan $(FUZZ_TEST_SECONDS)
	@$(MAKE) --no-print-directory test-web

# The sanitized build in $(BUILD)-asan, with the fuzzers; a folder a
# compiler other than Clang configured is started afresh.
sanitized: deps
	@grep -qs 'CMAKE_CXX_COMPILER:.*clang' $(BUILD)-asan/CMakeCache.txt || rm -rf $(BUILD)-asan
	@cmake -S . -B $(BUILD)-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTERVAN_WERROR=ON -DTERVAN_BUILD_QT=ON -DTERVAN_BUILD_TESTS=ON -DTERVAN_SANITIZE=ON \
		-DTERVAN_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)

# Each fuzzer for FUZZ_SECONDS (FUZZERS="bmp edit" picks some), from its
# seeds and what earlier runs found, kept in $(BUILD)-asan/fuzz/found.
FUZZ_SECONDS ?= 600
fuzz: sanitized
	@JOBS=$(JOBS) bash scripts/fuzz.sh $(BUILD)-asan $(FUZZ_SECONDS) keep

# The browser version, $(BUILD_WEB)/tervan.html: one self-contained file. Its
# font picker is built with the desktop's libraries in $(BUILD).
web: deps deps-web configure
	@cmake --build $(BUILD) -j $(JOBS) --target pick-web-fonts
	@DESKTOP_BUILD=$(CURDIR)/$(BUILD) JOBS=$(JOBS) bash scripts/build-web.sh $(BUILD_WEB)

# The core's headless tests built as WebAssembly, under Node; then the page
# itself from file:// in chromium-headless-shell, checked against the
# headless build's replay of each run.
test-web: web build
	@cd $(BUILD_WEB) && ctest --output-on-failure -j $(JOBS)
	@bash scripts/test-web.sh $(BUILD) $(BUILD_WEB)

# The Debian package, $(BUILD)/tervan_<version>_amd64.deb (`make test`
# builds and checks it too, without installing it).
package: deps build
	@cd $(BUILD) && cpack -G DEB --config CPackConfig.cmake

# Installs the package on this machine, starts it under Xvfb, purges it.
check-package: package
	@bash scripts/check-package.sh $(BUILD)

bench: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DTERVAN_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@bash scripts/bench.sh $(BUILD)
	@$(MAKE) --no-print-directory web
	@bash scripts/bench-web.sh $(BUILD_WEB)

artwork:
	@cmake -S . -B build-tools -DTERVAN_BUILD_TOOLS=ON -DTERVAN_BUILD_TESTS=OFF -DTERVAN_BUILD_QT=OFF >/dev/null
	@cmake --build build-tools --target tervan-artwork -j $(JOBS)
	@build-tools/tools/artwork/tervan-artwork res docs

# The README's pictures of the running program, from the tests that draw them.
docs-pictures: deps build
	@bash scripts/docs-pictures.sh $(BUILD)

clean:
	@rm -rf $(BUILD) $(BUILD)-asan build-tools $(BUILD_WEB)
