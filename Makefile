# A thin front end over CMake. Each target first installs what it needs and
# the machine lacks (tools/setup.sh), then builds into build/.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PREFIX ?= /usr/local
ASAN_BUILD_DIR ?= build-asan
FUZZ_SECONDS ?= 300
RUN_CLANG_TIDY = $(shell command -v run-clang-tidy || command -v run-clang-tidy-14)

# Any memory error, leak or undefined behaviour aborts the test that meets it.
SANITIZER_ENV = ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Configures $(1) where it is not configured yet or its cache lacks one of
# the settings $(2) (NAME=VALUE); a new configuration also gets $(3). The
# build type is $(4), or BUILD_TYPE. Builds that are configured already are
# left to CMake, which notices its own changes.
define configure
	@cache=$(1)/CMakeCache.txt; settings="CMAKE_BUILD_TYPE=$(or $(4),$(BUILD_TYPE)) $(2)"; \
	[ -f $$cache ] || settings="$$settings $(3)"; \
	for setting in $$settings; do \
	  grep -qx "$${setting%%=*}:[A-Z]*=$${setting#*=}" $$cache 2>/dev/null && continue; \
	  cmake -S . -B $(1) $$(printf -- ' -D%s' $$settings) >/dev/null; break; \
	done
endef

.PHONY: all build run test test-slow install uninstall package clean
.PHONY: update-translations reference-pictures test-asan fuzz memcheck lint-build tidy cppcheck format-check lint bench windows-check screenshots
.PHONY: windows windows-test web web-test

all: build

build:
	@tools/setup.sh test
	$(call configure,$(BUILD_DIR),BUILD_TESTING=ON)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

# Builds only the window program and opens it.
run:
	@tools/setup.sh run
	$(call configure,$(BUILD_DIR),,BUILD_TESTING=OFF)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target dewpoint-converter
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  echo "make run: no graphical display here (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Run it in a terminal of your desktop session, or over SSH with X forwarding (ssh -X)."; \
	  echo "The program is built: $(BUILD_DIR)/window/dewpoint-converter"; \
	  exit 1; \
	fi
	@$(BUILD_DIR)/window/dewpoint-converter

# Every test but the slow ones, headless.
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure --parallel $(JOBS) --label-exclude slow

# The slow release checks: the package built twice must be the same bytes, and lintian-clean.
test-slow:
	@tools/setup.sh release
	$(call configure,$(BUILD_DIR),BUILD_TESTING=ON)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)
	@cd $(BUILD_DIR) && ctest --output-on-failure --label-regex slow

# Installs both programs under PREFIX (/usr/local by default); run with sudo
# for a system-wide install. `make uninstall` removes what it installed.
install:
	@tools/setup.sh run
	$(call configure,$(BUILD_DIR),,BUILD_TESTING=OFF)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target dewpoint-converter dewpoint
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	@-command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database -q $(PREFIX)/share/applications || true
	@-command -v gtk-update-icon-cache >/dev/null 2>&1 && gtk-update-icon-cache -q -t $(PREFIX)/share/icons/hicolor || true

uninstall:
	@test -f $(BUILD_DIR)/install_manifest.txt || { echo "make uninstall: nothing was installed from $(BUILD_DIR)"; exit 1; }
	@xargs -d '\n' rm -f < $(BUILD_DIR)/install_manifest.txt
	@rm -f $(BUILD_DIR)/install_manifest.txt
	@-command -v update-desktop-database >/dev/null 2>&1 && update-desktop-database -q $(PREFIX)/share/applications || true
	@-command -v gtk-update-icon-cache >/dev/null 2>&1 && gtk-update-icon-cache -q -t $(PREFIX)/share/icons/hicolor || true

# The Debian packages, built from debian/ into build/package/.
package:
	@tools/setup.sh run
	@DEB_BUILD_OPTIONS="nocheck parallel=$(JOBS)" tools/build-package.sh $(CURDIR)/$(BUILD_DIR)/package -Pnocheck

# Speed, start-up, memory and accuracy against their targets, in one table.
bench:
	@tools/setup.sh bench
	$(call configure,$(BUILD_DIR),DEWPOINT_BENCHMARKS=ON)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)
	@/usr/bin/python3 benchmarks/bench.py $(BUILD_DIR)
	@$(MAKE) web
	@tools/setup.sh web-test
	@cd web && npm ci --no-audit --no-fund --silent
	@node benchmarks/web_benchmark.mjs $(WEB_PAGE) $(BUILD_DIR)/cli/dewpoint

# Pictures of the window on a desktop: docs/screenshot*.png.
screenshots:
	@tools/setup.sh screenshots
	$(call configure,$(BUILD_DIR),DEWPOINT_TOOLS=ON)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS) --target dewpoint-converter screen_grab
	@tools/screenshot.sh docs/screenshot.png 1
	@tools/screenshot.sh docs/screenshot-scale2.png 2

# Brings the catalogues in translations/ up to date with the program, and
# starts one for each new language in translations/LINGUAS.
update-translations:
	@tools/setup.sh run
	$(call configure,$(BUILD_DIR),,BUILD_TESTING=OFF)
	@tools/update_translations.sh $(BUILD_DIR)

# Redraws the window's reference pictures (tests/reference/) on purpose,
# after a change to its look: look at them before committing them.
reference-pictures: build
	@cd $(BUILD_DIR)/tests && for scale in 1 2; do \
	  DEWPOINT_REFRESH_REFERENCE=1 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$scale ./render_tests matchesTheReferencePicture >/dev/null; \
	done
	@echo "Redrawn: tests/reference/window-x1.png and window-x2.png"

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	@tools/setup.sh test
	$(call configure,$(ASAN_BUILD_DIR),BUILD_TESTING=ON DEWPOINT_SANITIZE=ON,,Debug)
	@cmake --build $(ASAN_BUILD_DIR) --parallel $(JOBS)
	@cd $(ASAN_BUILD_DIR) && $(SANITIZER_ENV) ctest --output-on-failure --parallel $(JOBS) -E fuzz_smoke --label-exclude slow

# The fuzz targets for FUZZ_SECONDS each (clang's libFuzzer).
fuzz:
	@tools/setup.sh test
	@tests/fuzz/fuzz.sh $(BUILD_DIR)/fuzz $(FUZZ_SECONDS)

# Valgrind's memcheck over the window tests; leaks are the sanitizer run's part.
memcheck: build
	@tools/setup.sh memcheck
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen valgrind --tool=memcheck --error-exitcode=1 --leak-check=no \
	  --suppressions=$(CURDIR)/tools/sanitizers/valgrind.supp ./tests/window_tests -silent

# The Windows version record, compiled with the MinGW resource compiler.
windows-check: build
	@tools/setup.sh windows
	@tests/version_resource_test.sh $(BUILD_DIR)/packaging/dewpoint-converter.rc

# dewpoint.exe for 64-bit Windows, cross-compiled with MinGW-w64, and its
# release archive with the manual as text and the licence.
WINDOWS_BUILD_DIR ?= build-windows
WINDOWS_ZIP = $(WINDOWS_BUILD_DIR)/dewpoint-1.01-windows-x86_64.zip
windows:
	@tools/setup.sh windows
	@[ -f $(WINDOWS_BUILD_DIR)/CMakeCache.txt ] || cmake -S packaging/windows -B $(WINDOWS_BUILD_DIR) \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/packaging/windows/mingw-toolchain.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD_DIR) --parallel $(JOBS)
	@groff -man -Tutf8 -P-cbou -rwindows=1 -rcR=1 -rHY=0 $(WINDOWS_BUILD_DIR)/dewpoint.1 2>/dev/null \
	  | sed '1d;$$d' | cat -s | sed '/./,$$!d; s/$$/\r/' >$(WINDOWS_BUILD_DIR)/dewpoint.txt
	@sed -n '/^License:/,$$p' debian/copyright | sed '1d; s/^ //; s/^\.$$//; s/$$/\r/' >$(WINDOWS_BUILD_DIR)/LICENSE.txt
	@rm -f $(WINDOWS_ZIP)
	@tools/windows_zip.py $(WINDOWS_ZIP) 2026-12-08 dewpoint.exe=$(WINDOWS_BUILD_DIR)/cli/dewpoint.exe \
	  dewpoint.txt=$(WINDOWS_BUILD_DIR)/dewpoint.txt LICENSE.txt=$(WINDOWS_BUILD_DIR)/LICENSE.txt
	@echo "Built: $(WINDOWS_ZIP)"

# dewpoint.exe under Wine: the command line's tests, the whole grid as the
# Linux build's bytes, a non-ASCII file name, Windows' own DLLs only.
# A second build in another folder must give the same archive, byte for byte.
windows-test: build windows
	@tests/windows_test.sh $(WINDOWS_BUILD_DIR)/cli/dewpoint.exe $(BUILD_DIR)/cli/dewpoint $(BUILD_DIR)/tests/cli_tests
	@rm -rf $(WINDOWS_BUILD_DIR)-again
	@$(MAKE) windows WINDOWS_BUILD_DIR=$(WINDOWS_BUILD_DIR)-again >/dev/null
	@cmp $(WINDOWS_ZIP) $(WINDOWS_BUILD_DIR)-again/dewpoint-1.01-windows-x86_64.zip && echo "windows: two builds, the same archive"

# The calculator as one offline web page: the engine and the log converter
# compiled to WebAssembly with Debian's clang and wasi-libc, inlined with the
# page's styles, scripts, chart library, pictures and catalogues into
# build/web/dewpoint-converter.html. The log reader keeps 64 KiB blocks on
# the stack: 1 MiB of it, where the linker's default is 64 KiB.
WEB_FLAGS = --target=wasm32-wasi -mexec-model=reactor -std=c++20 -Os -fno-exceptions -ffp-contract=off -fno-fast-math \
	-Wall -Wextra -Wpedantic -I. -Wl,--strip-all -Wl,--gc-sections -Wl,-z,stack-size=1048576
WEB_PAGE = $(BUILD_DIR)/web/dewpoint-converter.html
web:
	@tools/setup.sh web
	@mkdir -p $(BUILD_DIR)/web
	@clang++ $(WEB_FLAGS) engine/*.cpp logs/*.cpp web/engine_api.cpp web/log_api.cpp -o $(BUILD_DIR)/web/engine.wasm
	@cd web && npm ci --no-audit --no-fund --silent
	@mkdir -p $(BUILD_DIR)/web/icons
	@for size in 192 512; do rsvg-convert -w $$size -h $$size resources/emblem.svg \
	  -o $(BUILD_DIR)/web/icons/icon-$$size.png; done
	@python3 web/build_page.py $(BUILD_DIR)/web/engine.wasm $(WEB_PAGE) $(BUILD_DIR)/web/site $(BUILD_DIR)/web/icons
	@size=$$(wc -c <$(WEB_PAGE)); echo "Built: $(WEB_PAGE), $$size bytes, and the site in $(BUILD_DIR)/web/site"; \
	  [ $$size -le 307200 ] || { echo "web: the page is over 300 KB"; exit 1; }

# The page in Debian's Chromium and Firefox ESR, headless, driven by puppeteer-core under
# node's test runner, and the WebAssembly engine over the whole grid.
web-test: build web
	@tools/setup.sh web-test
	@cd web && npm ci --no-audit --no-fund --silent
	@cd web && DEWPOINT_PAGE=$(CURDIR)/$(WEB_PAGE) DEWPOINT_WASM=$(CURDIR)/$(BUILD_DIR)/web/engine.wasm \
	  DEWPOINT_PROGRAM=$(CURDIR)/$(BUILD_DIR)/cli/dewpoint node --test tests/

# Static checks over every source, benchmarks and developer tools included.
lint-build:
	@tools/setup.sh lint
	$(call configure,$(BUILD_DIR),BUILD_TESTING=ON DEWPOINT_BENCHMARKS=ON DEWPOINT_TOOLS=ON DEWPOINT_UNITY_BUILD=OFF)
	@cmake --build $(BUILD_DIR) --parallel $(JOBS)

tidy: lint-build
	@$(RUN_CLANG_TIDY) -quiet -p $(BUILD_DIR) -j $(JOBS) '$(CURDIR)/(engine|logs|cli|window|tools|tests|benchmarks)/[^/]*\.cpp$$' \
	  >$(BUILD_DIR)/tidy.log 2>&1; status=$$?; grep -vE 'warnings generated|^clang-tidy' $(BUILD_DIR)/tidy.log; \
	  echo "clang-tidy: $$( [ $$status -eq 0 ] && echo clean || echo findings above)"; exit $$status

# cppcheck cannot see that Google Benchmark's loop `for (auto _ : state)` changes the state,
# and would have a three-way product of ranges written as std::transform.
CPPCHECK_BENCHMARK_FALSE_ALARMS = --suppress='constParameter:benchmarks/*' --suppress='constParameterCallback:benchmarks/*' --suppress='useStlAlgorithm:benchmarks/*'

cppcheck:
	@tools/setup.sh lint
	@cppcheck --quiet --std=c++20 --library=qt --library=googletest --enable=warning,style,performance,portability \
	  --inline-suppr --suppress=missingIncludeSystem $(CPPCHECK_BENCHMARK_FALSE_ALARMS) --error-exitcode=1 \
	  -I . engine logs cli window tools tests benchmarks

# The sources are listed after the set-up, which installs git.
format-check:
	@tools/setup.sh lint
	@sources=$$(git ls-files '*.cpp' '*.h'); test -n "$$sources" || { echo "format-check: no sources listed"; exit 1; }; \
	  clang-format --dry-run --Werror $$sources

lint: format-check cppcheck tidy

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
