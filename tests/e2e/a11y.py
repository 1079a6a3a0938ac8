"""What a screen reader gets from the game over AT-SPI, the game driven by keys alone: every
focusable control named, the setting lists telling their values, a "You guess" game typed and won
(the marks of each guess reach the focused control as the event a screen reader speaks, the board
holds a row per trial), the clocks silent, the answer told, TOP FIVE read as rows, and the Open
dialog named. Run by a11y.sh, under Debian's /usr/bin/python3 with pyatspi.
Usage: a11y.py PID"""
import itertools
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
events = []  # (type, source, text) of every name change and focus move


def heard(e):
    text = e.any_data if isinstance(e.any_data, str) else e.source.name
    events.append((e.type, e.source, text))


for kind in ("object:property-change:accessible-name", "object:state-changed:focused"):
    pyatspi.Registry.registerEventListener(heard, kind)


def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def key(*keys):
    for k in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", k], check=True)
        pump(0.4)


def fail(message):
    print("FAIL:", message, [(w.getRoleName(), w.name) for w in windows()], file=sys.stderr)
    sys.exit(1)


def showing(o):
    return o is not None and o.getState().contains(pyatspi.STATE_SHOWING)


def windows():
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid)
    return [w for w in app if showing(w)]


def walk(o):
    for c in o:
        if showing(c):
            yield c
            yield from walk(c)


def find(test, within=None):
    for o in itertools.chain.from_iterable([w, *walk(w)] for w in (within or windows())):
        if test(o):
            return o
    return None


def focused():
    return find(lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))


def named(o):
    labels = [t for r in o.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for t in (r.getTarget(i) for i in range(r.getNTargets()))]
    return bool(o.name.strip()) or any(t.name.strip() for t in labels)


def allnamed(where):
    nameless = [o.getRoleName() for w in windows() for o in walk(w)
                if o.getState().contains(pyatspi.STATE_FOCUSABLE) and not named(o)]
    if nameless:
        fail(f"{where}: focusable controls without a name: {nameless}")


def waitfor(test, seconds, what):
    end = time.time() + seconds
    while time.time() < end:
        found = test()
        if found:
            return found
        pump(0.1)
    return fail(what) if what else None


def told(pattern, since):
    """The text of a name change of the focused control, or of a focus move, matching `pattern`
    among the events from `since` on."""
    for kind, source, text in events[since:]:
        if re.search(pattern, text or "") and (kind.startswith("object:state-changed:focused")
                                               or source.getState().contains(pyatspi.STATE_FOCUSED)):
            return text
    return None


# --- The setting menu ---------------------------------------------------------------------------
def firstlist():
    return (f := focused()) and f.getRoleName() == "combo box" and f


for attempt in range(3):  # the window may take the keyboard a moment after the title
    key("alt+g")
    pump(0.6)
    key("Return")
    if waitfor(firstlist, 3, None):
        break
combo = waitfor(firstlist, 1, "the setting menu's first list took no keyboard")
if combo.queryText().getText(0, -1) != "You guess":
    fail(f"the first list reads {combo.queryText().getText(0, -1)!r}, not its value")
allnamed("setting menu")
mark = len(events)
key("Down")
waitfor(lambda: told("^Computer guesses$", mark), 3, "a list's new value was not told")
key("Up", "Return")

# --- A "You guess" game typed on the keyboard ---------------------------------------------------
board = waitfor(lambda: find(lambda o: o.getRoleName() == "list" and o.name == "Record"), 5,
                "no board to read")
mark = len(events)
pump(2)
noisy = [t for k, s, t in events[mark:] if k.endswith("accessible-name") and s.getRoleName() == "label"]
if noisy:
    fail(f"labels announce their changes while the clock runs: {noisy[:3]}")
key("alt+o", "Return", "Down", "Return")
# The text box with the keyboard, though the reader may be on news beside it.
typing = lambda: find(lambda o: o.getRoleName() == "text" and o.getState().contains(pyatspi.STATE_FOCUSED))
box = waitfor(typing, 5,
              "the keyboard input's box took no keyboard")
if not named(box):
    fail("the keyboard input's box has no name")
allnamed("keyboard input")
codes = [c for c in itertools.combinations("0123456789", 3)]
for trial in itertools.count(1):
    guess = codes[0]
    mark = len(events)
    key(*guess, "Return")
    pattern = rf"^Trial {trial}: .*; \d+ correct"
    news = lambda: told(pattern, mark) or find(lambda o: o.getRoleName() in ("dialog", "alert"))
    marks = waitfor(news, 4, f"neither the marks of trial {trial} nor a message came")
    if not isinstance(marks, str) or "3 correct" in marks:
        break
    correct = int(re.search(r"(\d+) correct", marks).group(1))
    codes = [c for c in codes if len(set(c) & set(guess)) == correct and c != guess]
    mark = len(events)
    key("Return")
    # The prompt anew, told by more than the box: a screen reader may take its caret first.
    waitfor(lambda: any(re.search("^Input your guess", t or "") and s.getRoleName() != "text"
                        for k, s, t in events[mark:]), 3, f"trial {trial + 1}'s prompt was not told")
    rows = lambda: [r.name for r in board if r.name.startswith("Trial ")]
    waitfor(lambda: len(rows()) == trial, 3, None) or fail(f"the board reads {rows()} after trial {trial}")
    if not rows()[trial - 1].startswith(f"Trial {trial}: "):
        fail(f"row {trial} reads {rows()[trial - 1]!r}")
    if trial > 10:
        fail("no win in ten guesses")

# --- The win: its message, the answer, the name entry and TOP FIVE -----------------------------
waitfor(lambda: find(lambda o: o.getRoleName() in ("dialog", "alert")), 5,
        "no win message")
waitfor(lambda: told(r"^Answer: ", mark), 3, "the answer was not told")
allnamed("win message")
key("Return")
entry = waitfor(typing, 5,
                "the name entry took no keyboard")
if not named(entry):
    fail("the name entry has no name")
for letter in "Ada":
    key(letter)
key("Return")
# Its heading is the list's name, read as the keyboard arrives; Shift+Tab passes the board below.
top = waitfor(lambda: find(lambda o: o.getRoleName() == "list" and o.name.startswith("TOP FIVE. No. of")),
              5, "no TOP FIVE list named with its heading")
if top.childCount != 5 or "Ada" not in top[0].name:
    fail(f"TOP FIVE reads {[r.name for r in top]}")
allnamed("TOP FIVE")
mark = len(events)
key("shift+Tab")
if any(k.startswith("object:state-changed:focused") and "Record" in (s.name, s.parent and s.parent.name)
       for k, s, t in events[mark:]):
    fail("Shift+Tab from TOP FIVE reached the board beneath it")
key("Tab")
key("Return")

# --- The Open dialog ----------------------------------------------------------------------------
key("alt+g", "l")
waitfor(lambda: find(lambda o: o.getRoleName() == "dialog" and o.name == "Open"), 5,
        "no Open dialog")
allnamed("Open dialog")
print(f"a11y: {trial} guesses, {len(events)} events")
