# make run      : installs what is missing, builds, and starts the game
# make test     : installs what is missing, builds, and runs every test
# make sanitize : the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# make tsan     : the mixer's, the window's and the sound output's tests built with ThreadSanitizer
# make lint     : clang-format and clang-tidy over our own code
# make bench    : start-up and idle figures of the real window, the long monkey run, the sound figures
# make install  : builds, then installs under PREFIX (default /usr/local; sudo for a system folder)
# make package  : builds, then makes the Debian package verminadia_VERSION_ARCH.deb in the build folder
# WERROR=ON turns our own warnings into errors (CI does).

BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
WERROR ?= OFF
CONFIGURE = -DVERMINADIA_WERROR=$(WERROR)

.PHONY: run test sanitize tsan lint bench install package deps build clean

run: build
	cd $(BUILD) && ./verminadia

# The tests keep their settings and session records in the build folder, never in the home.
test_home = XDG_STATE_HOME=$(abspath $(1))/test-home/state XDG_CONFIG_HOME=$(abspath $(1))/test-home/config

test: build
	cd $(BUILD) && $(call test_home,$(BUILD)) ctest --output-on-failure -j$(JOBS)

sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVERMINADIA_SANITIZE=ON $(CONFIGURE)
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && $(call test_home,build-sanitize) ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j$(JOBS)

# The threaded parts: the mixer (rendered on one thread while another commands it), the stream's
# keeper against a fake server, the window, and the sound output with its loader and keeper
# against a real sound server (a private PulseAudio; skipped where none can start).
tsan_options = TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tools/tsan.supp"
tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERMINADIA_TSAN=ON $(CONFIGURE)
	cmake --build build-tsan -j$(JOBS) --target verminadia-audio-tests verminadia-ui-tests \
		verminadia-system-sound-tests verminadia_sounds
	$(tsan_options) build-tsan/tests/audio/verminadia-audio-tests
	$(tsan_options) QT_QPA_PLATFORM=offscreen $(call test_home,build-tsan) build-tsan/tests/ui/verminadia-ui-tests
	cd build-tsan && $(tsan_options) $(CURDIR)/tests/audio/with_sound_server.sh \
		tests/audio/verminadia-system-sound-tests || [ $$? -eq 77 ]

lint: build
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) \
		'^$(CURDIR)/(core|town|arena|ending|game|files|language|tools|ui|tests|bench|art)/'

bench: build
	bash bench/startup.sh $(BUILD)
	bash bench/monkey.sh $(BUILD)
	bash bench/audio/run.sh $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

build: deps
	cmake -S . -B $(BUILD) $(CONFIGURE)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@bash tools/install-deps.sh

clean:
	rm -rf $(BUILD) build-sanitize build-tsan
