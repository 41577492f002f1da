# Front door of the project: `make run`, `make test`, `make bench`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
GENERATOR  := -G Ninja
PREFIX     ?= /usr/local

.PHONY: all deps configure build app run test test-asan bench clean format install package

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

# The programs, the stock data, the desktop entries, their icons and the battle file type
# under PREFIX; DESTDIR stages the whole tree below another folder.
install: app
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package fieldmark_<version>_<arch>.deb in $(BUILD).
package: app
	@cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/*.deb

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

# Fuzzing with libFuzzer (clang): each target runs FUZZ_SECONDS over its corpus. New
# inputs go to build-fuzz/corpus/<target>; crashes to build-fuzz/findings/<target>.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := SetFile OrderFile BattleFile BattleList Definitions SetDirectory Preferences BattlePreferences
.PHONY: fuzz
fuzz: deps
	@cmake -S . -B build-fuzz $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DFM_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	    mkdir -p build-fuzz/corpus/$$t build-fuzz/findings/$$t; \
	    echo "== $$t for $(FUZZ_SECONDS) s"; \
	    QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/fm_fuzz_$$t build-fuzz/corpus/$$t fuzz/corpus/$$t \
	        -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=build-fuzz/findings/$$t/ -print_final_stats=1 \
	        2>&1 | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==ERROR|SUMMARY)|cov:' | tail -3 || exit 1; \
	done
