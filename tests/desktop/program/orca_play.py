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


def heard():
    """Orca's new utterances."""
    global pos
    data = open(log, "rb").read()
    end = data.rfind(b"\n") + 1
    text = data[pos:end].decode("utf-8", "replace")
    pos = max(pos, end)
    return [re.sub(r"\n {18}", " / ", m.group(1)).replace("\n", " / ") for m in SPEECH.finditer(text)]


def press(key, quiet=1.2, most=8.0, until=None):
    """Presses the key ('none': none), then listens until Orca has been quiet for `quiet`
    seconds or said `until`, at most `most` seconds. Returns what it said."""
    if key != "none":
        subprocess.run(["xdotool", "key", "--delay", "60", key], env=env, check=True)
    said, start, last = [], time.time(), time.time()
    while time.time() - start < most:
        time.sleep(0.2)
        new = heard()
        if new:
            said += new
            last = time.time()
            if until and any(until in s for s in new):
                break
        elif time.time() - last >= quiet and (said or time.time() - start >= quiet):
            break
    print(f"== {key}")
    for s in said:
        print(f"   {s}")
    everything.extend(said)
    return said


def check(ok, what, said):
    if not ok:
        failures.append(what)
        print(f"!! {what}: {said}")


def spoken(said, *words):
    return any(all(w in s for w in words) for s in said)


def tab_to(name, most=16):
    for _ in range(most):
        if spoken(press("Tab", quiet=0.8), name):
            return True
    failures.append(f"Tab never reached {name}")
    return False


def step(title):
    print(f"\n# {title}")


step("the title, to the start prompt")
press("none", quiet=60, most=60, until=T("スタート", "Start"))
step("start: the prologue, then the hero choice")
prologue = press("Return", quiet=30, most=40, until=T("トルバさん", "Toruba"))
check(spoken(prologue, T("このゲームはフィクションです。", "This game is a work of fiction.")), "the prologue's first line", prologue)
check(spoken(prologue, T("ドラゴン城で闘技大会が行われた。", "a tournament was held at Dragon Castle.")), "the prologue's last line", prologue)
step("the first hero: the town")
town = press("Return", quiet=2)
check(spoken(town, T("ドラゴン城", "Dragon Castle")), "the town's name", town)
step("the status key")
status = press("s", quiet=1.5)
check(spoken(status, "HP") and spoken(status, T("所持金", "Money")), "the hero's state", status)
step("flat review of the town: its pictures in words")
press("KP_Subtract", quiet=1)
for _ in range(7):
    press("KP_Page_Up", quiet=0.8)
press("KP_Subtract", quiet=1)

step("the shop and a purchase")
tab_to(T("雑貨屋", "Shop"))
press("Return", quiet=1.5)
tab_to("15")
bought = press("Return", quiet=1.5)
check(spoken(bought, T("毎度あり", "Thanks a bunch")), "the shopkeeper's line after a purchase", bought)
check(spoken(bought, T("所持金", "Money")), "the money left after a purchase", bought)
tab_to(T("店から出る", "Leave the shop"))
press("Return", quiet=1.5)

step("a night at the inn")
tab_to(T("宿屋", "Inn"))
press("Return", quiet=1.5)
night = press("Return", quiet=1.5)
check(spoken(night, T("所持金", "Money")), "the money left after a night", night)
tab_to(T("宿屋から出る", "Leave the inn"))
press("Return", quiet=1.5)

step("fights until one is won and one lost")
won = lost = lost_now = hit = False
for bout in range(8):
    if won and lost:
        break
    if bout == 0 or lost_now:
        tab_to(T("闘技場", "Arena"))
        classes = press("Return", quiet=1.5)
        if bout == 0:
            check(spoken(classes, T("出場する階級を選んで下さい", "Choose a weight class")), "the arena's prompt", classes)
    lost_now = False
    for _ in range(40):
        said = press("Return", quiet=1.0)
        if spoken(said, T("ダメージをうけた", "damage.")) and spoken(said, T("の攻撃！", " attacks!")):
            hit = True
            # The damage taken comes after what the opponent did, in the same turn.
            attack = next(i for i, s in enumerate(said) if T("の攻撃！", " attacks!") in s)
            damage = max(i for i, s in enumerate(said) if T("ダメージをうけた", "damage.") in s)
            check(attack <= damage, "the damage after the opponent's turn", said)
        if spoken(said, T("円手に入れた", " yen.")):
            more = said + press("Return", quiet=1.5)
            check(spoken(more, T("経験値", "EXP")), "the experience after a win", more)
            won = True
            press("Return", quiet=1.5)  # back to the classes
            break
        if spoken(said, T("負けてしまった", "was defeated.")):
            lost = lost_now = True
            press("Return", quiet=1.5)  # back to town
            break
check(hit, "the opponent's turn and the damage taken were spoken", [])
check(won, "a fight was won", [])
check(lost, "a fight was lost", [])

if not ja:
    japanese = [s for s in everything if re.search("[\u3040-\u30ff\u4e00-\u9fff]", s)]
    check(not japanese, "in English, nothing Japanese", japanese[:5])

print("\n" + ("\n".join(f"FAIL: {f}" for f in failures) if failures else "all heard"))
sys.exit(1 if failures else 0)
