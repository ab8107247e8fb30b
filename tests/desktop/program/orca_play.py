"""Plays the game by keyboard under Orca (started by orca_test.sh in DIR) and checks what Orca
said. Where the focus is, it reads from the game's accessibility tree; after each key it waits
till the game has moved, then till Orca has said so. Prints each step with Orca's words; exits 1
with a line per failed check."""
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
# Where the focus is comes from the game's own accessibility tree on the session's bus, never from
# Orca's words, which a busy machine delays past the next key.
os.environ.update(DISPLAY=env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"])
import pyatspi  # noqa: E402
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
app = None


def focused():
    """The game's focused object now, as (name, role), or None."""
    global app
    for _ in range(2):
        try:
            if app is None:
                app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "verminadia"), None)
                if app is None:
                    return None
            app.clear_cache()  # states and children as they are now, not as first read
            node = deepest_focus(app)
            return (node.name, node.getRoleName()) if node is not None else None
        except Exception:  # an object went away under us: read the tree afresh
            app = None
    return None


def deepest_focus(node):
    """The focused object under node that holds no focused one, among those showing."""
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        inner = deepest_focus(child)
        if inner is not None:
            return inner
        if child.getState().contains(pyatspi.STATE_FOCUSED):
            return child
    return None


def await_focus(ok, most=30.0):
    """Waits until ok(the focus) holds, at most `most` seconds; returns the focus."""
    start = time.time()
    while True:
        now = focused()
        if (now is not None and ok(now)) or time.time() - start >= most:
            return now
        time.sleep(0.1)


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
    if not key.startswith("none"):
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
    return said


def move(key, quiet=1.0, most=30.0, named=True):
    """Presses a key that moves the focus, or renames the focused object: waits till the focus
    has changed, then till Orca has said its name (with `named`, a failure if it does not).
    Returns what Orca said and the new focus."""
    before = focused()
    subprocess.run(["xdotool", "key", key], env=env, check=True)
    now = await_focus(lambda f: f != before, most)
    if now is None or now == before:
        check(not named, f"{key} moved the focus from {before}", [])
        return press(f"none ({key}: the focus still on {now})", quiet=quiet, most=most, until=WORDS), now
    # Orca says a button's name, then its role; a line of text as it is, one line after another.
    text = re.escape(now[0].replace("\n", " / ")) + (FOCUS if now[1] == "push button" else "")
    said = press(f"none ({key}: the focus on {now[0]!r}, {now[1]})", quiet=quiet, most=most, until=text)
    check(not named or any(re.search(text, s) for s in said), f"Orca named the focus {now[0]!r}", said)
    return said, now


def check(ok, what, said):
    if not ok:
        failures.append(what)
        print(f"!! {what}: {said}")


def spoken(said, *words):
    return any(all(w in s for w in words) for s in said)


def is_button(name):
    return lambda f: f[1] == "push button" and f[0].endswith(name)


def tab_to(name, most=16):
    """Tabs until the focus is on the button whose name ends so, each Tab waiting till Orca has
    named the new focus."""
    for _ in range(most):
        if is_button(name)(await_focus(lambda f: True, 10) or ("", "")):
            return True
        move("Tab")
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
town, _ = move("Return")
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
move("Return")
tab_to("15")
bought = press("Return", until=T("所持金", "Money"))
check(spoken(bought, T("毎度あり", "Thanks a bunch")), "the shopkeeper's line after a purchase", bought)
check(spoken(bought, T("所持金", "Money")), "the money left after a purchase", bought)
tab_to(T("店から出る", "Leave the shop"))
move("Return")

step("a night at the inn")
tab_to(T("宿屋", "Inn"))
move("Return")
night = press("Return", until=T("所持金", "Money"))
check(spoken(night, T("所持金", "Money")), "the money left after a night", night)
tab_to(T("宿屋から出る", "Leave the inn"))
move("Return")

step("fights until one is won and one lost")
won = lost = False
fight = []  # everything said in the fights, in order
# The draws come from the clock, but the outcome does not: at the amateur class the hero wins
# at full health, and health only falls from bout to bout, so a defeat comes too.
for bout in range(20):
    if won and lost:
        break
    if not is_button(T("アマチュア級", "Amateur"))(focused() or ("", "")):
        tab_to(T("闘技場", "Arena"))
        classes, _ = move("Return", quiet=2)
        if bout == 0:
            check(spoken(classes, T("出場する階級を選んで下さい", "Choose a weight class")), "the arena's prompt", classes)
    start = len(fight)
    for _ in range(40):
        # Each Return shows the fight's next line in the focus (or moves it to the attack):
        # wait for that, then for Orca to say it, or the keys would run ahead of the game.
        fight += move("Return", named=False)[0]
        this = fight[start:]
        if spoken(this, T("経験値", "EXP")):
            # The yen may be said a moment after the experience.
            if not spoken(this, T("円手に入れた", " yen.")):
                fight += press("none", quiet=1, most=15, until=T("円手に入れた", " yen."))
                this = fight[start:]
            check(spoken(this, T("円手に入れた", " yen.")), "the yen after a win", this[-4:])
            won = True
            # Back to the classes, after a level-up's lines if one came.
            for _ in range(4):
                if (move("Return", named=False)[1] or ("", ""))[1] == "push button":
                    break
            break
        if spoken(this, T("負けてしまった", "was defeated.")):
            lost = True
            fight += move("Return")[0]  # back to town
            break
check(won, "a fight was won, with its experience", [])
check(lost, "a fight was lost", [])
# The damage taken is said after what the opponent did.
said = "\n".join(fight)
damage = re.search(T(r"(?:^|/ )([^/\n]+?)は\d+のダメージをうけた", r"(?:^|/ )([^/\n]+?) took \d+ damage"), said, re.M)
# The opponent's attack, not the hero's: in Japanese the hero's has two marks, in English the
# two differ only by who attacks.
hero = re.escape(damage.group(1)) if damage else "$^"
attack = re.search(T(r"の攻撃！(?!！)", rf"(?:^|/ )(?!{hero} attacks!)[^/\n]* attacks!"), said, re.M)
check(damage and attack and attack.start() < damage.start(), "the damage taken, after the opponent's turn", fight[:12])

if not ja:
    japanese = [s for s in everything if re.search("[\u3040-\u30ff\u4e00-\u9fff]", s)]
    check(not japanese, "in English, nothing Japanese", japanese[:5])

print("\n" + ("\n".join(f"FAIL: {f}" for f in failures) if failures else "all heard"))
sys.exit(1 if failures else 0)
