#!/usr/bin/env bash
# The catalogues against the code. Every text the code marks with N_ is in po/verminadia.pot and
# translated in every po/LL.po, none of them keeps a text the code no longer has, none has a
# fuzzy or untranslated entry, msgfmt --check passes, and no Japanese text of the game's code
# goes unmarked (it would be shown untranslated).
set -euo pipefail
src=$1
work=$2
mkdir -p "$work"
cd "$src"

xgettext_options=(--from-code=UTF-8 --language=C++ --keyword= --keyword=N_ --keyword=NC_:1c,2 --keyword=NP_:1,1 --add-comments=TRANSLATORS:
                  --add-location=file --no-wrap --package-name=verminadia "--msgid-bugs-address= ")
shopt -s nullglob globstar
game=(core/*.h core/*.cpp core/*/*.h core/*/*.cpp town/*.h town/*.cpp arena/*.h arena/*.cpp ending/*.h ending/*.cpp
      game/*.h game/*.cpp)
shown=("${game[@]}" frontend/**/*.h frontend/**/*.cpp desktop/**/*.h desktop/**/*.cpp)
xgettext "${xgettext_options[@]}" --output="$work/code.pot" "${shown[@]}"

msgids() { grep '^msgid ' "$1" | LC_ALL=C sort -u; }
failed=0
fail() {
    echo "$1"
    sed 's/^/    /' "$2" | head -n 40
    failed=1
}

msgids "$work/code.pot" > "$work/code.ids"
msgids po/verminadia.pot > "$work/template.ids"
LC_ALL=C comm -3 "$work/code.ids" "$work/template.ids" > "$work/template.diff"
[ -s "$work/template.diff" ] && fail "po/verminadia.pot differs from the code's texts (build the target pot; left: the code's, right: the template's):" "$work/template.diff"

languages=0
for po in po/*.po; do
    languages=$((languages + 1))
    msgfmt --check --output-file=/dev/null "$po" 2> "$work/msgfmt.err" || fail "$po: msgfmt --check fails:" "$work/msgfmt.err"
    msgids "$po" > "$work/po.ids"
    LC_ALL=C comm -3 "$work/code.ids" "$work/po.ids" > "$work/po.diff"
    [ -s "$work/po.diff" ] && fail "$po differs from the code's texts (left: missing in it, right: no longer in the code):" "$work/po.diff"
    msgattrib --untranslated "$po" > "$work/untranslated.po"
    [ -s "$work/untranslated.po" ] && fail "$po has untranslated entries:" "$work/untranslated.po"
    msgattrib --only-fuzzy "$po" > "$work/fuzzy.po"
    [ -s "$work/fuzzy.po" ] && fail "$po has fuzzy entries:" "$work/fuzzy.po"
    msgattrib --only-obsolete "$po" > "$work/obsolete.po"
    [ -s "$work/obsolete.po" ] && fail "$po keeps obsolete entries:" "$work/obsolete.po"
done
[ "$languages" -gt 0 ] || { echo "no po/*.po at all"; failed=1; }

# Every literal of the game's code, the front ends' shared layer and the window's menu that holds
# Japanese must be marked; the sound files' names, the "…" that ends a quote cut short in an error
# line and the spaces beyond ASCII are the only ones that are not texts.
xgettext --from-code=UTF-8 --language=C++ --extract-all --no-location --no-wrap "--msgid-bugs-address= " \
    --output="$work/all.pot" "${game[@]}" frontend/**/*.h frontend/**/*.cpp desktop/menu/*.h desktop/menu/*.cpp \
    2> "$work/all.err"
msgids "$work/all.pot" > "$work/all.ids"
LC_ALL=C comm -23 "$work/all.ids" "$work/code.ids" | LC_ALL=C grep -P '[\x80-\xFF]' |
    grep -Ev '\.(mid|wav)"$|^msgid "…"$' |
    LC_ALL=C.UTF-8 grep -Pv '^msgid "[\s\x{85}\x{A0}\x{1680}\x{2000}-\x{200A}\x{2028}\x{2029}\x{202F}\x{205F}\x{3000}]*"$' \
    > "$work/unmarked.ids" || true
[ -s "$work/unmarked.ids" ] && fail "Japanese texts of the code without the N_ mark:" "$work/unmarked.ids"

[ "$failed" -eq 0 ] && echo "$(wc -l < "$work/code.ids") texts, $languages translation(s): all in step"
exit "$failed"
