# The README's commands: `make run` builds and starts Tarvolo, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all deps configure build run test bench screenshots install clean

all: build

deps:
	@scripts/setup-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run.sh $(BUILD)/tarvolo

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: configure
	@cmake --build $(BUILD) -j$(JOBS) --target tarvolo_bench
	@$(BUILD)/bench/tarvolo_bench

screenshots: build
	@cmake --build $(BUILD) -j$(JOBS) --target screenshots

install: build
	@cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

clean:
	@rm -rf $(BUILD)
