#!/usr/bin/python3
"""A screen reader's road through the built program: over AT-SPI, in a private session bus
(run under dbus-run-session) and a private X server, it reads each screen's tree and presses
buttons by their accessible action, from the title screen to a topic menu and out again, in the
language named (the user's LANGUAGE), whose catalogue gives the names to look for.

Usage: accessibilityTest.py PROGRAM LANGUAGE CATALOGUE"""
import os
import subprocess
import sys
import time

import polib
import pyatspi

program, language, catalogue = sys.argv[1:4]
tr = {entry.msgid: entry.msgstr for entry in polib.pofile(catalogue) if not entry.msgid_plural}.__getitem__


def wait_for(what, find, seconds=40):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what}")


def children(node):
    node.clearCache()
    return [c for c in node if c is not None]


def program_windows():
    apps = [a for a in children(pyatspi.Registry.getDesktop(0)) if a.name == "Lumenary"]
    return [w for a in apps for w in children(a) if w.getState().contains(pyatspi.STATE_SHOWING)]


# The shown window holding a control named `name` with this role, and that control.
def control(name, role):
    for window in program_windows():
        for c in children(window):
            if c.name == name and c.getRole() == role:
                return window, c
    return None


def press(name):
    _, button = wait_for(f'a push button "{name}"', lambda: control(name, pyatspi.ROLE_PUSH_BUTTON))
    action = button.queryAction()
    assert action.getName(0) == "Press", action.getName(0)
    action.doAction(0)


# Xvfb picks the first display no other server holds and names it once it listens there; it never
# resets, which would turn away the program connecting just as the last other client left.
xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
lumenary = None
try:
    display = xvfb.stdout.readline().strip()
    env = dict(os.environ, DISPLAY=f":{display}", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANGUAGE=language)
    lumenary = subprocess.Popen([program], env=env)

    # What each control reports (role, states, the focus) is the binding tests' business; here,
    # the road through the real bridge: the title screen's OK, Menu 1, and the topic menu it opens.
    press(tr("OK"))
    press(tr("Menu %d").replace("%d", "1"))
    wait_for("the topic menu", lambda: control(tr("Newton Meter"), pyatspi.ROLE_PUSH_BUTTON))

    # Out again: the topic menu's exit, the main menu's, then the title screen's, which ends the program.
    for next_screen in ("www.corbelwick.example", tr("Cancel"), None):
        press(tr("Exit"))
        if next_screen:
            wait_for(f'the screen with "{next_screen}"', lambda: control(next_screen, pyatspi.ROLE_PUSH_BUTTON))
    status = lumenary.wait(30)
    assert status == 0, f"the program ended with status {status}"
finally:
    if lumenary and lumenary.poll() is None:
        lumenary.kill()
    xvfb.terminate()
    xvfb.wait()
print("PASS")
