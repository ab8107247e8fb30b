# make run   : installs what is missing, builds, and starts the game
# make test  : installs what is missing, builds, and runs every test
# make sanitize : the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# make bench : start-up and idle figures of the real window, the long monkey run, the sound figures
# make install : builds, then installs under PREFIX (default /usr/local; sudo for a system folder)
# make package : builds, then makes the Debian package verminadia_VERSION_ARCH.deb in the build folder

BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: run test sanitize bench install package deps build clean

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

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@bash tools/install-deps.sh

clean:
	rm -rf $(BUILD) build-sanitize
