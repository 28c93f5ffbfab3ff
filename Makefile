# A thin front end over CMake. `make test` and `make run` install whatever
# the machine lacks (tools/setup.sh), then build into build/.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build test run clean

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

clean:
	@rm -rf $(BUILD_DIR)
