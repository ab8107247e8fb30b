#!/bin/bash
# Plants faults a careless one-line edit could make, one at a time, and checks that a test fails
# for each: rebuilds incrementally, runs the mutant's own tests first, then the quick ones, and
# prints a table (mutant, file, killed or survived, by which test). Every file is restored on
# exit, Ctrl+C included, and the build is brought back to the tree at the end. Exits 1 when a
# mutant survives or no longer applies.
#   usage: tools/mutate.sh [NAME_REGEX]
# BUILD (default build) is the desktop build folder, WEB_BUILD (default build-emscripten) the
# browser edition's; the page's mutants are skipped, saying why, without em++ or that build.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1
build=${BUILD:-build}
web_build=${WEB_BUILD:-build-emscripten}
only=${1:-}
jobs=${JOBS:-2}

# mutant NAME FILE ORIGINAL REPLACEMENT TESTS DESCRIPTION
# ORIGINAL is plain text found exactly once in FILE (function names and operators, not widget
# names, which may be renamed); TESTS is a ctest -R pattern (GoogleTest's cases are SUITE.CASE)
# run before the quick tests, or "web:PATTERN" for the page's tests in the browser edition's build.
names=() files=() originals=() replacements=() tests=() descriptions=()
mutant() {
    names+=("$1") files+=("$2") originals+=("$3") replacements+=("$4") tests+=("$5") descriptions+=("$6")
}

# The rules: the town, the arena, the ending.
mutant inn-price town/inn.cpp 'if (s.Gold < night) {' 'if (s.Gold <= night) {' \
    '^Inn\.' 'a night costing all the money is refused'
mutant inn-mp town/inn.cpp 's.Mp = s.MaxMp;' 's.Hp = s.MaxHp;' \
    '^Inn\.' 'a night no longer restores MP'
mutant store-price town/store.cpp 'if (g.state.Gold >= price) return false;' 'if (g.state.Gold > price) return false;' \
    '^Store\.' 'a good costing all the money is refused'
mutant store-cap town/store.cpp 'if (s.*c.count >= c.cap)' 'if (s.*c.count > c.cap)' \
    '^(Store|StoreGoods)\.' 'the stock passes its cap'
mutant attack-defence arena/attack.cpp 's.WeaponAttack - s.EnemyDefense)' 's.WeaponAttack)' \
    '^Attack\.' "the opponent's defence is ignored"
mutant champion-count arena/outcome.cpp 's.ChampionBout <= kTitleChampions' 's.ChampionBout < kTitleChampions' \
    '^(ChampionBout|Victory)\.' "the last champion's win is not counted"
mutant champion-stock arena/outcome.cpp 'if (s.ChampionBout == kFourthChampion)' 'if (s.ChampionBout == kSixthChampion)' \
    '^(ChampionBout|Victory|StoreGoods)\.' 'the store changes its stock after the wrong champion'
mutant ending-theme ending/ending.cpp 'if (tick == kEndingThemeStarts)' 'if (tick >= kEndingThemeStarts)' \
    '^Ending\.' 'the ending theme starts again at every tick'
# The message panel.
mutant panel-step game/message_panel.cpp '{talk::kLevelUp, levelUpStep},' '{talk::kLevelUp, experienceStep},' \
    '^(LevelUp|MessagePanel)\.' 'the click after a level-up performs the experience step'
mutant panel-find game/message_panel.cpp 'if (s.code == code) return &s;' 'if (s.code >= code) return &s;' \
    '^MessagePanel\.' 'a click performs the wrong step'
# The session record.
mutant record-seconds game/record.cpp 'if (whole > kMaxRecordSeconds) return false;' \
    'if (whole >= kMaxRecordSeconds) return false;' '^SessionRecord\.' 'the last second of a record is refused'
mutant record-cut game/record.cpp 'outs_[i] = nullptr;' ';' \
    '^SessionRecord\.' 'a record written on after a failed write'
mutant session-guard frontend/session/session.cpp 'return !tookOver_ && store_.exists();' 'return store_.exists();' \
    '^(Session|PacedReplay)\.' 'a session taken over is offered to continue'
mutant session-ended frontend/session/session.cpp '    store_.remove();' '' \
    '^(Session|PacedReplay)\.' 'a game seen to its end can be continued'
# The shell's focus and announcements.
mutant focus-back frontend/focus_order.cpp '(pos + n - 1) % n' '(pos + 1) % n' \
    '^(FocusStops|FocusAfterChange|Keys)\.' 'Shift+Tab moves forward'
mutant focus-panel frontend/focus_order.cpp 'if (waits && contains(now,' 'if (!waits && contains(now,' \
    '^(FocusStops|FocusAfterChange|Keys)\.' 'the waiting message panel does not take the focus'
mutant focus-follow frontend/focus_order.cpp 'if (now == stops_ && waits == panelWaited_) return false;' \
    'if (now == stops_) return false;' '^(FocusStops|FocusAfterChange|Keys)\.' 'the focus stays when only the panel starts waiting'
mutant say-panel frontend/screen_reader/announcements.cpp '&& focusBefore !=' '&& focusBefore ==' \
    '^(Announcements|ScreenReader)\.' 'the panel text is said twice when it takes the focus'
mutant say-hero frontend/screen_reader/announcements.cpp 'if (rewritten(before, now, w) && !blank(now.caption(w)))' \
    'if (appeared(before, now, w) && !blank(now.caption(w)))' '^(Announcements|ScreenReader)\.' 'a changed HP is not said'
mutant say-rewritten frontend/screen_reader/announcements.cpp 'return now.showing(w) && before.showing(w) &&' \
    'return now.showing(w) &&' '^(Announcements|ScreenReader)\.' 'a hero value coming into view is said as a change'
# The page's storage and mute.
mutant page-record frontend/session/kept_record.cpp 'store_.setValue(key_, str());' 'store_.setValue(key_, std::string());' \
    'web:web.browser' 'the session record is never stored'
mutant page-remove web/src/browser_storage.cpp 'localStorage().call<void>("removeItem"' 'localStorage().call<void>("getItem"' \
    'web:web.browser' 'a finished game can be continued after a reload'
mutant page-closed web/src/page.cpp 'if (e.closed) byId(kStage).set("hidden", true);' '' \
    'web:web.browser' 'the stage stays after the credits'
mutant page-mute-kept frontend/shell.cpp 'if (settings_) settings_->setMuted(muted_);' '' \
    'web:web.browser' 'the mute is not kept for the next visit'
mutant page-mute-applied frontend/shell.cpp $'\n                game_->sound.setMuted(muted_);\n                e.mute = true;' \
    $'\n                e.mute = true;' 'web:web.browser' 'the mute switch does not reach the sound of the page'
mutant page-mute-said web/src/page.cpp '"aria-pressed", e.checked ? "true" : "false"' \
    '"aria-pressed", e.checked ? "false" : "true"' 'web:web.browser' 'the mute switch tells the opposite'

# Every changed file is kept here and written back on exit.
keep=$(mktemp -d)
planted=
restore() {
    if [ -n "$planted" ]; then
        cat "$keep/original" > "$planted"
        planted=
    fi
}
trap 'restore; rm -rf "$keep"' EXIT
trap 'exit 130' INT TERM

# A build waited for in the background, so that Ctrl+C reaches the traps at once: bash takes a
# foreground child's normal exit after Ctrl+C as the child's own answer to it, and goes on.
build_quietly() {
    "$@" > "$keep/build.log" 2>&1 &
    wait $!
}

# Replaces ORIGINAL, found exactly once, by REPLACEMENT in FILE; says why not otherwise.
plant() {
    python3 - "$@" <<'EOF'
import sys
path, original, replacement = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
count = text.count(original)
if count != 1:
    sys.exit(f"{path}: the text to change is found {count} times, not once: {original!r}")
open(path, "w", encoding="utf-8").write(text.replace(original, replacement))
EOF
}

web_missing=
if ! command -v em++ >/dev/null; then
    web_missing="em++ is not installed"
elif [ ! -f "$web_build/CTestTestfile.cmake" ]; then
    web_missing="no browser edition built in $web_build (make web)"
fi

# The first failed test in a ctest run's output, or nothing.
first_failure() { sed -n 's/.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*\(Failed\|Timeout\|Exception\|Not Run\).*/\1/p' | head -1; }

rows=() failed=0
started=$(date +%s)
for i in "${!names[@]}"; do
    name=${names[$i]} file=${files[$i]} want=${tests[$i]}
    [[ -z "$only" || "$name" =~ $only ]] || continue
    if [[ "$want" == web:* && -n "$web_missing" ]]; then
        echo "== $name: skipped: $web_missing"
        rows+=("$name|$file|skipped|$web_missing")
        continue
    fi
    echo "== $name: ${descriptions[$i]}"
    cp "$file" "$keep/original"
    planted=$file
    if ! plant "$file" "${originals[$i]}" "${replacements[$i]}"; then
        restore
        rows+=("$name|$file|no longer applies|-")
        failed=1
        continue
    fi
    by='' outcome=''
    if [[ "$want" == web:* ]]; then
        if ! NODE_PATH=/usr/share/nodejs build_quietly cmake --build "$web_build" -j"$jobs"; then
            outcome="does not build"
        else
            by=$(cd "$web_build" && ctest -j"$jobs" --timeout 600 -R "${want#web:}" 2>&1 | first_failure)
        fi
    elif ! build_quietly cmake --build "$build" -j"$jobs"; then
        outcome="does not build"
    else
        by=$(cd "$build" && ctest -j"$jobs" --timeout 120 --stop-on-failure -R "$want" 2>&1 | first_failure)
        [ -n "$by" ] || by=$(cd "$build" && ctest -j"$jobs" --timeout 120 --stop-on-failure -L quick 2>&1 | first_failure)
    fi
    restore
    if [ -n "$outcome" ]; then
        tail -5 "$keep/build.log"
        failed=1
    elif [ -n "$by" ]; then
        outcome=killed
    else
        outcome=survived
        by=-
        failed=1
    fi
    echo "   $outcome${by:+ by $by}"
    rows+=("$name|$file|$outcome|$by")
done

# The build as the tree is again.
echo "== rebuilding the unchanged tree"
build_quietly cmake --build "$build" -j"$jobs" || { tail -5 "$keep/build.log"; failed=1; }
if [ -z "$web_missing" ] && printf '%s\n' "${rows[@]}" | grep '^page-' | grep -qv '|skipped|'; then
    NODE_PATH=/usr/share/nodejs build_quietly cmake --build "$web_build" -j"$jobs" || failed=1
fi

echo
echo "| mutant | file | outcome | by |"
echo "|---|---|---|---|"
for row in "${rows[@]}"; do echo "| ${row//|/ | } |"; done
echo
echo "$(( $(date +%s) - started )) s"
exit "$failed"
