# A thin front end over CMake. `make test` and `make run` install whatever
# the machine lacks (tools/setup.sh), then build into build/.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PREFIX ?= /usr/local

.PHONY: all setup configure build test run install package clean

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

clean:
	@rm -rf $(BUILD_DIR)
