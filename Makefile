# The README's two commands: `make test` and `make run`.
BUILD    ?= build
TYPE     ?= RelWithDebInfo
SANITIZE ?= OFF
JOBS     ?= 2
RUNS     ?= 30

.PHONY: all bootstrap configure build test run bench clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) -DHOLDSHEET_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# On a machine without a display, a demo in a private desktop session instead.
run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$(ARGS)" ]; then $(BUILD)/src/holdsheet $(ARGS); \
	else scripts/demo $(BUILD); fi

bench: build
	@bench/run $(BUILD) $(RUNS)

clean:
	@rm -rf $(BUILD)
