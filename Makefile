# The README's two commands: `make test` and `make run`.
BUILD    ?= build
TYPE     ?= RelWithDebInfo
SANITIZE ?= OFF
JOBS     ?= 2
RUNS     ?= 30
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZERS      := key_binding accelerator ini_store dump_format desktop_files atspi_walk \
                shortcuts_help compiled_help
PREFIX       ?= /usr/local
DESTDIR      ?=

.PHONY: all bootstrap configure build test run bench fuzz fuzz-build install package clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) -DHOLDSHEET_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Then each fuzzer for FUZZ_SECONDS (0: none).
test: build
	@cd $(BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		ctest --output-on-failure -j$(JOBS)
	@if [ "$(FUZZ_SECONDS)" != 0 ]; then $(MAKE) --no-print-directory fuzz; fi

# On a machine without a display, a demo in a private desktop session instead.
run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$(ARGS)" ]; then $(BUILD)/src/holdsheet $(ARGS); \
	else scripts/demo $(BUILD); fi

bench: build
	@bench/run $(BUILD) $(RUNS)

# The libFuzzer targets, built with clang in their own directory; each runs FUZZ_SECONDS from
# its seeds. New inputs go to $(FUZZ_BUILD)/corpus, never into the seeds; a crash stops the
# run and leaves its input in $(FUZZ_BUILD)/crashes.
fuzz-build: bootstrap
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DHOLDSHEET_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)

fuzz: fuzz-build
	@for f in $(FUZZERS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$f $(FUZZ_BUILD)/crashes/$$f; \
		echo "fuzz: $$f for $(FUZZ_SECONDS) s"; \
		$(FUZZ_BUILD)/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_BUILD)/crashes/$$f/ $(FUZZ_BUILD)/corpus/$$f \
			fuzz/corpus/$$f 2>$(FUZZ_BUILD)/$$f.log \
			|| { tail -40 $(FUZZ_BUILD)/$$f.log; exit 1; }; \
		grep stat::number_of_executed_units $(FUZZ_BUILD)/$$f.log; \
	done

# The program, its desktop file, metainfo and icons under PREFIX, staged below DESTDIR if set.
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

# The Debian package (installing under /usr), left in $(BUILD)/package/.
package: build
	@rm -f $(BUILD)/package/holdsheet_*.deb
	@cpack --config $(BUILD)/CPackConfig.cmake -G DEB -B $(BUILD)/package \
		>$(BUILD)/package.log 2>&1 || { cat $(BUILD)/package.log; exit 1; }
	@echo "package: $$(ls $(BUILD)/package/holdsheet_*.deb)"

clean:
	@rm -rf $(BUILD) $(FUZZ_BUILD)
