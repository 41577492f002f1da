# Front door of the project: `make run`, `make test`, `make bench`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
GENERATOR  := -G Ninja

.PHONY: all deps configure build app run test test-asan bench clean format

all: app

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program folder build/app: binaries plus Battles, bmps, icons, defs, wavs.
app: build
	@cmake --build $(BUILD) --target app -j $(JOBS)

run: app
	@if [ -x $(BUILD)/app/fmbattle ]; then \
	    cd $(BUILD)/app && ./fmbattle; \
	else \
	    echo "The program folder $(BUILD)/app is assembled, but the battle editor fmbattle is not built yet."; \
	fi

# Library tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DFM_SANITIZE=ON -DFM_CORE_ONLY=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Sanitizer run first, so the last line printed is the summary of the full run.
test: app test-asan
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: app
	@for b in $(BUILD)/bench/fm_bench_*; do echo "== $$b"; $$b; done

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
