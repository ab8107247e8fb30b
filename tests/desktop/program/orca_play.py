"""Plays the game by keyboard under Orca (started by orca_test.sh in DIR) and checks what Orca
said. Prints each step with Orca's words; exits 1 with a line per failed check."""
import datetime
import os
import re
import subprocess
import sys
import time

d = os.environ["DIR"]
ja = os.environ["LANGUAGE_CODE"] == "ja"
T = lambda j, e: j if ja else e  # noqa: E731
env = dict(os.environ, DISPLAY=open(f"{d}/display").read().strip())
for line in open(f"{d}/dbus.env"):
    m = re.match(r"(\w+)='?([^';]*)'?;?", line.strip())
    if m:
        env[m.group(1)] = m.group(2)
log = f"{d}/orca.log"
pos = 0
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'( voice=\w+)?\s*(?:\[?\{'established|$)", re.S | re.M)
everything = []
failures = []
BUTTON = "プッシュボタン" if ja else "push button"
# What Orca says of a new focus: its name, then its role.
FOCUS = T(r" (プッシュボタン|セクション|ラベル)\.$", r" (push button|section|label)\.$")
# Anything but the echo of a key.
WORDS = r"^(?!(return|tab|s|dash) $)."
focus = ""  # what Orca last said of the focus


def heard():
    """Orca's new utterances."""
    global pos
    data = open(log, "rb").read()
    end = data.rfind(b"\n") + 1
    text = data[pos:end].decode("utf-8", "replace")
    pos = max(pos, end)
    return [re.sub(r"\n {18}", " / ", m.group(1)).replace("\n", " / ") for m in SPEECH.finditer(text)]


def press(key, quiet=1.2, most=15.0, until=None):
    """Presses the key ('none': none), then listens until Orca has been quiet for `quiet`
    seconds; with `until` (a pattern), first until Orca has said something that matches it,
    however long a busy machine keeps Orca behind (at most `most` seconds). Returns what it
    said."""
    if key != "none":
        subprocess.run(["xdotool", "key", "--delay", "60", key], env=env, check=True)
    said, start, last = [], time.time(), time.time()
    while time.time() - start < most:
        time.sleep(0.2)
        new = heard()
        if new:
            said += new
            last = time.time()
            if until and any(re.search(until, s) for s in new):
                until = None
        elif not until and time.time() - last >= quiet and (said or time.time() - start >= quiet):
            break
    print(f"== {key}")
    for s in said:
        print(f"   {s}")
    everything.extend(said)
    global focus
    focus = next((s for s in reversed(said) if re.search(FOCUS, s)), focus)
    return said


def check(ok, what, said):
    if not ok:
        failures.append(what)
        print(f"!! {what}: {said}")


def spoken(said, *words):
    return any(all(w in s for w in words) for s in said)


def tab_to(name, most=16):
    """Tabs until Orca names the focus so; Orca may speak late on a busy machine, so each Tab
    waits for the focus to be said."""
    for _ in range(most):
        if f"{name} {BUTTON}" in focus:
            return True
        # Quiet for a while first: on a loaded machine the last Tab's words can come after this
        # one's, and would be taken for where the focus is.
        press("Tab", quiet=1.5, until=FOCUS)
    failures.append(f"Tab never reached {name}")
    return False


def step(title):
    print(f"\n# {title}")


step("the title, to the start prompt")
press("none", most=60, until=T("スタート", "Start"))
step("start: the prologue, then the hero choice")
prologue = press("Return", quiet=3, most=60, until=T("トルバさん", "Toruba"))
check(spoken(prologue, T("このゲームはフィクションです。", "This game is a work of fiction.")), "the prologue's first line", prologue)
check(spoken(prologue, T("ドラゴン城で闘技大会が行われた。", "a tournament was held at Dragon Castle.")), "the prologue's last line", prologue)
step("the first hero: the town")
town = press("Return", until=FOCUS)
check(spoken(town, T("ドラゴン城", "Dragon Castle")), "the town's name", town)
step("the status key")
status = press("s", until=T("所持金", "Money"))
check(spoken(status, "HP") and spoken(status, T("所持金", "Money")), "the hero's state", status)
step("flat review of the town from its top line: its pictures in words")
press("KP_Subtract", until=WORDS)
press("KP_Insert+KP_Home", until=WORDS)
for _ in range(7):
    press("KP_Page_Up", quiet=1)
press("KP_Subtract", quiet=2)

step("the shop and a purchase")
tab_to(T("雑貨屋", "Shop"))
press("Return", until=FOCUS)
tab_to("15")
bought = press("Return", until=T("所持金", "Money"))
check(spoken(bought, T("毎度あり", "Thanks a bunch")), "the shopkeeper's line after a purchase", bought)
check(spoken(bought, T("所持金", "Money")), "the money left after a purchase", bought)
tab_to(T("店から出る", "Leave the shop"))
press("Return", quiet=2)

step("a night at the inn")
tab_to(T("宿屋", "Inn"))
press("Return", until=FOCUS)
night = press("Return", until=T("所持金", "Money"))
check(spoken(night, T("所持金", "Money")), "the money left after a night", night)
tab_to(T("宿屋から出る", "Leave the inn"))
press("Return", quiet=2)

step("fights until one is won and one lost")
won = lost = False
fight = []  # everything said in the fights, in order
for bout in range(12):
    if won and lost:
        break
    if bout == 0 or lost:
        tab_to(T("闘技場", "Arena"))
        classes = press("Return", until=FOCUS)
        if bout == 0:
            check(spoken(classes, T("出場する階級を選んで下さい", "Choose a weight class")), "the arena's prompt", classes)
    start = len(fight)
    for _ in range(40):
        # Each Return says the next line of the fight; wait for it, or a late word would be
        # taken for the next.
        fight += press("Return", quiet=1, most=6, until=WORDS)
        this = fight[start:]
        if spoken(this, T("経験値", "EXP")):
            # The yen may be said a moment after the experience.
            if not spoken(this, T("円手に入れた", " yen.")):
                fight += press("none", quiet=1, most=15, until=T("円手に入れた", " yen."))
                this = fight[start:]
            check(spoken(this, T("円手に入れた", " yen.")), "the yen after a win", this[-4:])
            won = True
            press("Return", quiet=2)  # back to the classes, or a level-up first
            break
        if spoken(this, T("負けてしまった", "was defeated.")):
            lost = True
            fight += press("Return", quiet=2)  # back to town
            break
check(won, "a fight was won, with its experience", [])
check(lost, "a fight was lost", [])
# The damage taken is said after what the opponent did.
said = "\n".join(fight)
damage = re.search(T(r"\d+のダメージをうけた", r" took \d+ damage"), said)
attack = re.search(T(r"の攻撃！(?!！)", r" attacks!(?!!)"), said)
check(damage and attack and attack.start() < damage.start(), "the damage taken, after the opponent's turn", fight[:12])

if not ja:
    japanese = [s for s in everything if re.search("[\u3040-\u30ff\u4e00-\u9fff]", s)]
    check(not japanese, "in English, nothing Japanese", japanese[:5])

print("\n" + ("\n".join(f"FAIL: {f}" for f in failures) if failures else "all heard"))
sys.exit(1 if failures else 0)
