# A thin front end over CMake. `make test` and `make run` install whatever
# the machine lacks (tools/setup.sh), then build into build/.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PREFIX ?= /usr/local
ASAN_BUILD_DIR ?= build-asan
FUZZ_SECONDS ?= 300
SOURCES = $(shell git ls-files '*.cpp' '*.h')
RUN_CLANG_TIDY = $(shell command -v run-clang-tidy || command -v run-clang-tidy-14)

# Any memory error, leak or undefined behaviour aborts the test that meets it.
SANITIZER_ENV = ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all setup configure build test run install package clean
.PHONY: test-asan fuzz memcheck tidy cppcheck format-check lint bench

all: build

setup:
	@tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  echo "make run: no graphical display here (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Run it in a terminal of your desktop session, or over SSH with X forwarding (ssh -X)."; \
	  echo "The program is built: $(BUILD_DIR)/window/dewpoint-converter"; \
	  exit 1; \
	fi
	@$(BUILD_DIR)/window/dewpoint-converter

# Installs under PREFIX (/usr/local by default); run with sudo for a system-wide install.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	@-command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database -q $(PREFIX)/share/applications || true
	@-command -v gtk-update-icon-cache >/dev/null 2>&1 && gtk-update-icon-cache -q -t $(PREFIX)/share/icons/hicolor || true

# Builds the Debian package into build/.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Speed, start-up, memory and accuracy against their targets, in one table.
bench: build
	@/usr/bin/python3 benchmarks/bench.py $(BUILD_DIR)

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: setup
	@cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DDEWPOINT_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD_DIR) --parallel $(JOBS)
	@cd $(ASAN_BUILD_DIR) && $(SANITIZER_ENV) ctest --output-on-failure --parallel $(JOBS) -E fuzz_smoke

# The engine's fuzz target for FUZZ_SECONDS (clang's libFuzzer).
fuzz: setup
	@tests/fuzz/fuzz.sh $(BUILD_DIR)/fuzz $(FUZZ_SECONDS)

# Valgrind's memcheck over the window tests; leaks are the sanitizer run's part.
memcheck: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 --leak-check=no \
	  --suppressions=$(CURDIR)/tools/sanitizers/valgrind.supp ./tests/window_tests -silent

tidy: build
	@$(RUN_CLANG_TIDY) -quiet -p $(BUILD_DIR) -j $(JOBS) '$(CURDIR)/(engine|window|tools|tests|benchmarks)/[^/]*\.cpp$$' \
	  >$(BUILD_DIR)/tidy.log 2>&1; status=$$?; grep -vE 'warnings generated|^clang-tidy' $(BUILD_DIR)/tidy.log; \
	  echo "clang-tidy: $$( [ $$status -eq 0 ] && echo clean || echo findings above)"; exit $$status

# cppcheck cannot see that Google Benchmark's loop `for (auto _ : state)` changes the state,
# and would have a three-way product of ranges written as std::transform.
CPPCHECK_BENCHMARK_FALSE_ALARMS = --suppress='constParameter:benchmarks/*' --suppress='constParameterCallback:benchmarks/*' --suppress='useStlAlgorithm:benchmarks/*'

cppcheck: setup
	@cppcheck --quiet --std=c++20 --library=qt --library=googletest --enable=warning,style,performance,portability \
	  --inline-suppr --suppress=missingIncludeSystem $(CPPCHECK_BENCHMARK_FALSE_ALARMS) --error-exitcode=1 \
	  -I . engine window tools tests benchmarks

format-check: setup
	@test -n "$(SOURCES)" || { echo "format-check: no sources listed (is git installed?)"; exit 1; }
	@clang-format --dry-run --Werror $(SOURCES)

lint: format-check cppcheck tidy

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
