"""What a screen reader is told while a person goes through the program by
keyboard: at each step, the window that comes active and the control that
takes the focus; for each window as it comes, its tree (roles, names, states,
actions) and its text line by line. Run by screen_reader_test.sh.

Usage: screen_reader_test.py x11|wayland PROGRAM ORACLE
"""
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

platform, program, oracle_program = sys.argv[1:4]
# The texts the windows show, composed by the program's own code for a
# machine named {name} whose first address is {address}.
oracle = {}
for line in subprocess.run([oracle_program], check=True, capture_output=True,
                           text=True).stdout.splitlines():
    oracle.setdefault(line.partition("=")[0], []).append(line.partition("=")[2])
SYS_INFO, SHOW_ALL, OK = (("push button", c.replace("&", "")) for c in oracle["main.button"])
MAIN, LIST = ("frame", oracle["main.caption"][0]), ("dialog", oracle["list.caption"][0])
REPORT, EXIT = ("alert", oracle["report.title"][0]), ("the program", "ends")
ADDRESS_LIST = ("text", oracle["list.box"][0])
TEXT_LINE = ("text", *oracle["main.box"])

# One row a step: the key pressed (None: the program starts), the window that
# comes active (None: none), the control that takes the focus. The rows about
# Show All are left out where the machine has one address and no Show All.
STEPS = [
    ("open", None, MAIN, SYS_INFO),
    ("Tab", "Tab", None, SHOW_ALL),
    ("Show All", "space", LIST, ADDRESS_LIST),
    ("Esc", "Escape", MAIN, SHOW_ALL),
    ("Tab", "Tab", None, OK),
    ("Tab, round", "Tab", None, SYS_INFO),
    ("System Information", "Return", REPORT, OK),
    ("Enter", "Return", MAIN, SYS_INFO),
    ("Alt+O", "alt+o", EXIT, None),
]
failures, events = [], []  # events: (kind, role, name, accessible)
facts = {}  # the name and the first address, as the main window shows them


def expect(condition, what):
    if not condition:
        failures.append(what)
        print(f"    FAIL: {what}")
    return condition


# Roles by their number: AT-SPI 2.46 names a push button "push button", later
# versions "button".
ROLE_NAMES = {pyatspi.ROLE_PUSH_BUTTON: "push button"}


def role_of(accessible):
    return ROLE_NAMES.get(accessible.getRole(), accessible.getRoleName())


def heard(event):
    kind = event.type.split(":")[-1]  # activate, deactivate, focused
    try:
        role, name = role_of(event.source), event.source.name
    except Exception:
        role, name = "", ""
    # A window that is gone, or going and nameless, is heard but not counted.
    events.append((kind if name else kind + " of a gone object", role, name, event.source))


for kind in ("window:activate", "window:deactivate"):
    pyatspi.Registry.registerEventListener(heard, kind)
pyatspi.Registry.registerEventListener(lambda e: e.detail1 and heard(e),
                                       "object:state-changed:focused")


def pump(seconds, done=lambda: False):
    end = time.monotonic() + seconds
    while time.monotonic() < end and not done():
        if not GLib.MainContext.default().iteration(False):
            time.sleep(0.01)
    return done()


def find(accessible, role, name=None):
    found = [accessible] if (role_of(accessible), name or accessible.name) == (
        role, accessible.name) else []
    return found + [a for child in accessible if child for a in find(child, role, name)]


def lines(accessible):
    text, found, offset = accessible.queryText(), [], 0
    while offset < text.characterCount:
        line, _, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
        if not expect(end > offset, f"{accessible.name!r} has a line at {offset}"):
            break
        found, offset = found + [line], end
    return found


def check_window(window, role):
    expect(role == "frame" or window.getState().contains(pyatspi.STATE_MODAL), "modal")
    if role == "frame":
        (box,) = find(window, *TEXT_LINE[:2])
        expect(box.description == TEXT_LINE[2], f"text line described {box.description!r}")
        line = box.queryText().getText(0, -1)
        expect(window.description == line, f"the window describes {window.description!r}, "
               f"not its text line {line!r}")
        pattern = re.escape(oracle["main.text"][0]).replace(r"\{address\}", "(?P<address>.+?)")
        match = re.fullmatch(pattern.replace(r"\{name\}", "(?P<name>.+)"), line)
        if expect(match, f"the text line {line!r} shows an address and a name"):
            expect(facts in ({}, match.groupdict()), f"the text line still shows {facts}")
            facts.update(match.groupdict())
        buttons = [b.name for b in find(window, "push button")]
        expect(buttons in ([SYS_INFO[1], SHOW_ALL[1], OK[1]], [SYS_INFO[1], OK[1]]), buttons)
    elif role == "dialog":
        addresses = [line.rstrip("\n") for line in lines(find(window, *ADDRESS_LIST)[0])]
        expect(len(addresses) > 1 and facts["address"] in addresses, addresses)
    else:  # the report: each line as composed, the machine's own values after labels
        (label,) = [label for label in find(window, "label") if label.name]
        heard_lines, composed = lines(label), oracle["report.line"]
        expect(len(heard_lines) == len(composed), f"{len(heard_lines)} report lines")
        for number, (line, template) in enumerate(zip(heard_lines, composed), 1):
            expect(line.endswith("\n") != (number == len(composed)), f"line break: {line!r}")
            expect(line.rstrip("\n") == template.format(**facts) if "{" in template
                   else line.startswith(template), f"report line {number}: {line!r}")
    for button in find(window, "push button"):
        action = button.queryAction()
        expect("Press" in [action.getName(i) for i in range(action.nActions)], button.name)
    for box in find(window, "text"):
        before = box.queryText().getText(0, -1)
        expect(box.getState().contains(pyatspi.STATE_READ_ONLY), f"{box.name!r} read-only")
        for bar in find(box, "scroll bar"):
            expect(bar.name == box.name, f"a scroll bar of {box.name!r} is named {bar.name!r}")
        try:
            editable = box.queryEditableText()
        except NotImplementedError:
            continue
        expect(False, f"{box.name!r} offers no EditableText")
        for edit in (lambda: editable.insertText(0, "x", 1), lambda: editable.deleteText(0, 1)):
            try:
                edit()
            except Exception:
                pass  # refused
            expect(box.queryText().getText(0, -1) == before, f"{box.name!r} refuses editing")


def step(name, key, window, focus, process, activated):
    mark, new = len(events), lambda: [e[:3] for e in events[mark:]]
    print(f"{name}: {key or program}")
    if key:  # the X server's keyboard; on Wayland, weston's nested in it
        subprocess.run(["xdotool", "key", key], check=True, timeout=10)
    if window == EXIT:
        pump(10, lambda: process.poll() is not None)
        expect(process.poll() == 0, f"the program ends with status 0 ({process.poll()})")
    elif pump(10, lambda: {("activate",) + window, ("focused",) + focus} <= set(new())
              if window else ("focused",) + focus in new()):
        pump(0.5)  # what follows is heard as well
    for event in new():
        print("    heard", *event)
    shown = [window] if window not in (None, EXIT) else []
    expect([e[1:] for e in new() if e[0] == "activate"] == shown, f"one activation of {shown}")
    for kind, role, title in new():
        expect(kind != "deactivate" or (role, title) in activated,
               f"{role} {title!r} deactivated first")
        activated |= {(role, title)} if kind == "activate" else set()
    focused = [e[1:] for e in new() if e[0] == "focused"]
    expect(not focus or focused[-1:] == [focus], f"the focus goes to {focus}")
    opened = [e[3] for e in events[mark:] if e[0] == "activate" and e[1:3] == window]
    try:
        if opened:
            check_window(opened[0], window[0])
    except Exception as error:  # a part missing or an interface not offered
        expect(False, f"reading {window}: {error!r}")
    return opened


def run():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped: out of time"))  # still ends it
    process = subprocess.Popen([program],
                               env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    activated, show_all = set(), True
    try:
        for name, key, window, focus in STEPS:
            if show_all or SHOW_ALL not in (window, focus) and window != LIST:
                window = window and (window[0], window[1].format(**facts))
                opened = step(name, key, window, focus, process, activated)
            if name == "open":
                if not opened or not facts:
                    return expect(False, "the main window opens and shows its text line")
                show_all = bool(find(opened[0], *SHOW_ALL))
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


run()
print(f"{platform}: {len(failures)} failed checks" if failures else f"{platform}: all passed")
sys.exit(1 if failures else 0)
