# make run   : installs what is missing, builds, and starts the game
# make test  : installs what is missing, builds, and runs every test
# make sanitize : the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# make bench : start-up and idle figures of the real window, the long monkey run, the sound figures

BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test sanitize bench deps build clean

run: build
	cd $(BUILD) && ./verminadia

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVERMINADIA_SANITIZE=ON
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j$(JOBS)

bench: build
	bash bench/startup.sh $(BUILD)
	bash bench/monkey.sh $(BUILD)
	bash bench/audio/run.sh $(BUILD)

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@bash tools/install-deps.sh

clean:
	rm -rf $(BUILD) build-sanitize
