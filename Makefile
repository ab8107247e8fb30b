# make run      : installs what building and playing need, builds the game, and starts it
# make test     : installs what testing needs, builds, and runs every test: the desktop's
#                 (make desktop-test), then the browser edition's (make web-test)
# make check    : the same, running only the quick tests (ctest label quick): under a minute
# make sanitize : the tests again under AddressSanitizer and UndefinedBehaviorSanitizer, except
#                 those no build setting changes (ctest label once)
# make tsan     : the mixer's, the window's and the sound output's tests built with ThreadSanitizer
# make lint     : clang-format over every file, clang-tidy over the game's own code (as CI)
# make lint-all : the same, with clang-tidy over the tests and benchmarks too
# make bench    : start-up and idle figures of the real window, the long monkey run, the sound figures
# make install  : builds, then installs under PREFIX (default /usr/local; sudo for a system folder)
# make package  : builds, then makes the Debian package verminadia_VERSION_ARCH.deb in the build folder
# WERROR=ON turns our own warnings into errors (CI does).

BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
WERROR ?= OFF
CONFIGURE = -DVERMINADIA_WERROR=$(WERROR)

.PHONY: run test desktop-test orca-test check sanitize tsan lint lint-all bench install package deps build clean

# What tools/install-deps.sh installs, and whether the tests are built: a first build for playing,
# installing or packaging leaves them out, and so needs no test tools; later builds keep the
# build folder's choice unless the target runs tests.
DEPS = run
TESTING =
package: DEPS = package
test desktop-test orca-test check sanitize tsan bench: DEPS = test
lint lint-all: DEPS = ci
test desktop-test orca-test check bench lint lint-all: TESTING = ON
testing = $(if $(TESTING),-DBUILD_TESTING=$(TESTING),$(if $(wildcard $(1)/CMakeCache.txt),,-DBUILD_TESTING=OFF))

# Only the game, its catalogues and its sound files.
run: deps
	cmake -S . -B $(BUILD) $(CONFIGURE) $(call testing,$(BUILD))
	cmake --build $(BUILD) -j$(JOBS) --target verminadia verminadia_sounds
	cd $(BUILD) && ./verminadia

# ctest gives every test a home of its own in the build folder and a time limit, and checks after
# them that none left a process running (tests/support/each_test.cmake).
# The Orca test takes minutes; make orca-test runs it alone.
test: desktop-test web-test

desktop-test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

orca-test: build
	cd $(BUILD) && ctest --output-on-failure -L orca

check: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -L quick

sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVERMINADIA_SANITIZE=ON -DBUILD_TESTING=ON $(CONFIGURE)
	cmake --build build-sanitize -j$(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j$(JOBS) -LE "once|orca"

# The threaded parts: the mixer (rendered on one thread while another commands it), the stream's
# keeper against a fake server, the window, and the sound output with its loader and keeper
# against a real sound server (a private PulseAudio; skipped where none can start). Run outside
# ctest, so given a home of their own here.
tsan_options = TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tools/tsan.supp"
tsan_home = $(CURDIR)/build-tsan/test-home
tsan_env = $(tsan_options) HOME=$(tsan_home) XDG_CONFIG_HOME=$(tsan_home)/.config \
	XDG_STATE_HOME=$(tsan_home)/.local/state XDG_DATA_HOME=$(tsan_home)/.local/share \
	XDG_CACHE_HOME=$(tsan_home)/.cache TEST_TMPDIR=$(tsan_home)/tmp DBUS_SESSION_BUS_ADDRESS=disabled:
tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERMINADIA_TSAN=ON -DBUILD_TESTING=ON $(CONFIGURE)
	cmake --build build-tsan -j$(JOBS) --target verminadia-audio-tests verminadia-desktop-tests \
		verminadia-system-sound-tests verminadia_sounds
	rm -rf $(tsan_home) && mkdir -p $(tsan_home)/tmp
	$(tsan_env) build-tsan/tests/audio/verminadia-audio-tests
	$(tsan_env) QT_QPA_PLATFORM=offscreen build-tsan/tests/desktop/verminadia-desktop-tests
	cd build-tsan && $(tsan_env) $(CURDIR)/tests/audio/with_sound_server.sh \
		tests/audio/verminadia-system-sound-tests || [ $$? -eq 77 ]

# clang-tidy's checks take long on the tests (a minute for some files), so CI runs them over the
# game's own code, and lint-all over everything.
lint_format = git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
lint: build
	$(lint_format)
	run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) '^$(CURDIR)/(?!(tests|bench|$(BUILD))/)'

lint-all: build
	$(lint_format)
	run-clang-tidy -p $(BUILD) -quiet -j $(JOBS) '^$(CURDIR)/(?!$(BUILD)/)'

bench: build
	bash bench/startup.sh $(BUILD)
	bash bench/monkey.sh $(BUILD)
	bash bench/audio/run.sh $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# CPack cannot store the sound files' Japanese names under a locale that is not UTF-8.
package: build
	cd $(BUILD) && LC_ALL=C.UTF-8 cpack -G DEB

build: deps
	cmake -S . -B $(BUILD) $(CONFIGURE) $(call testing,$(BUILD))
	cmake --build $(BUILD) -j$(JOBS)

deps:
	@bash tools/install-deps.sh $(DEPS)

clean:
	rm -rf $(BUILD) build-sanitize build-tsan $(WEB_BUILD) build-web

# The browser edition (web/README.md), built with Debian's em++:
# make web      : the static folder build-web/: the page, the game's wasm, pictures, catalogues, font,
#                 and the soundtrack as the desktop build in $(BUILD) renders it
# make web-run  : builds, then serves build-web/ on 127.0.0.1 and prints the address
# make web-test : builds, then replays the golden scenarios under node and plays the page in
#                 Debian's Chromium (beside the desktop's look and accessibility tree when
#                 $(BUILD)/verminadia-shot and verminadia-a11y are built, as make test builds them)
# make web-bench: builds, then prints the page's load, size, idle and memory figures
WEB_BUILD ?= build-emscripten
WEB_PORT ?= 8000
web_env = NODE_PATH=/usr/share/nodejs

.PHONY: web web-run web-test web-bench

web web-run web-test web-bench: DEPS = web
# The soundtrack and the icon's bitmaps come from the desktop's build, which has FluidSynth and Qt.
web: deps
	cmake -S . -B $(BUILD) $(CONFIGURE) $(call testing,$(BUILD))
	cmake --build $(BUILD) -j$(JOBS) --target verminadia_sounds verminadia-svg2png
	$(web_env) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=MinSizeRel $(CONFIGURE) \
		"-DCMAKE_CROSSCOMPILING_EMULATOR=node;--no-experimental-fetch" -DVERMINADIA_WEB_FOLDER=$(CURDIR)/build-web \
		-DVERMINADIA_DESKTOP_BUILD=$(abspath $(BUILD))
	$(web_env) cmake --build $(WEB_BUILD) -j$(JOBS)

web-run: web
	@echo "The game is at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	cd build-web && python3 -m http.server --bind 127.0.0.1 $(WEB_PORT)

# As the desktop's tests do (tests/support/each_test.cmake), every process the browser edition's
# tests start bears a mark, by which none may be left once they are done.
web_mark = $(abspath $(WEB_BUILD))/test-run
web-test: web
	cd web && npm ci --no-audit --no-fund
	cd $(WEB_BUILD) && VERMINADIA_TESTS=$(web_mark) ctest --output-on-failure -j$(JOBS); status=$$?; \
		$(CURDIR)/tests/support/nothing_left.sh $(web_mark) || status=1; exit $$status

web-bench: web
	cd web && npm ci --no-audit --no-fund
	node web/tools/bench.mjs

# make mutate   : plants one-line faults in the rules, the message panel, the session record, the
#                 focus, the announcements and the page, one at a time, and names the test that
#                 catches each (tools/mutate.sh; the page's with the browser edition built);
#                 make bench runs it too
.PHONY: mutate
mutate: DEPS = test
mutate: TESTING = ON
mutate: build
	bash tools/mutate.sh
# Half an hour on a loaded machine: a benchmark's time, not a check's.
bench: mutate
