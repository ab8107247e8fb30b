#!/usr/bin/env bash
# What a screen reader finds, over the real accessibility bus (AT-SPI) on a virtual X server:
#  1. the window's own screen reader tests with a reader's bus listening, so that the events that
#     announce the message panel's new lines really go out;
#  2. the real program as AT-SPI shows it to a reader: the window by its title, the heroes by
#     their names as buttons, the king's picture in words.
set -euo pipefail
game=$1
tests=$2
launcher=/usr/libexec/at-spi-bus-launcher
skip() { echo "SKIP: $*"; exit 77; }
[ -x "$launcher" ] || skip "at-spi2-core is not installed"
command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
. "$(dirname "$0")/../../support/processes.sh" 240

work=$(mktemp -d)
on_exit 'rm -rf "$work"'
start_xvfb 1024x768x24
dbus-daemon --session --nofork --nopidfile --address="unix:tmpdir=$work" --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
wait_for 60 "the session bus" test -s "$work/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS XDG_CONFIG_HOME=$work/config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
"$launcher" --launch-immediately >/dev/null 2>&1 &
fail() { echo "FAIL: $*"; exit 1; }
wait_for 60 "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress

# 1. In the window's own process, with the bus listening.
out=$(QT_QPA_PLATFORM=xcb "$tests" --gtest_filter='ScreenReader.*' 2>&1) || { echo "$out"; fail "the screen reader tests failed"; }
echo "$out" | grep '^\[ *\(OK\|SKIPPED\|FAILED\) *\]' || true
if echo "$out" | grep -q '^\[  SKIPPED \]'; then fail "the reader's bus was not listening"; fi

# 2. The real program, read through AT-SPI as a screen reader reads it.
(cd "$work" && exec "$game" 2>"$work/stderr") &
pid=$!
/usr/bin/python3 - <<'PY'
import sys, time
import pyatspi

def find_app():
    # A minute: a build under the sanitizers on a loaded machine is slow to start.
    for _ in range(300):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "verminadia" and app.childCount > 0:
                return app
        time.sleep(0.2)
    sys.exit("FAIL: waited 60 s for the game to appear on the accessibility bus")

heard = set()
def walk(node):
    heard.add((node.name, node.getRoleName()))
    for child in node:
        if child is not None:
            walk(child)

app = find_app()
walk(app)
expected = [("ヴェルミナーディア外伝", "frame"), ("トルバさん", "push button"), ("嘆きの老人", "push button"),
            ("サスライの剣士", "push button"), ("ミゼル先生", "push button"), ("ドラゴン王", "image"),
            ("王の部屋", "push button")]
missing = [e for e in expected if e not in heard]
widget_names = [name for name, _ in heard if name.startswith(("Label", "Panel", "Image", "Button"))]
if missing or widget_names:
    print("heard:", sorted(heard))
    sys.exit(f"FAIL: missing {missing}; named after widgets: {widget_names}")
print(f"a screen reader hears {len(heard)} distinct names and roles, the heroes and the king among them")
PY
kill -0 "$pid" || fail "the game has ended early"
echo "screen reader ok"
