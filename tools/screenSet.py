#!/usr/bin/env python3
"""Shoots every screen of a built program, and each state a lesson takes it through, as PPM files, so that two
builds can be compared pixel by pixel (a change meant to alter no screen must leave every shot
the same).

Usage: tools/screenSet.py PROGRAM OUTPUT_FOLDER [--compare OTHER_FOLDER]

Each screen runs in its window at scale 1 on a 1920 x 1080 Xvfb display. The question screens
seed their questions from the clock, so the program runs under libfaketime (Debian's
`faketime`) with the wall clock frozen and the monotonic clock left running: the same questions
come every time, and the event loop's timers still fire. Where each control stands is read from
the layout records in tests/model/layouts.
"""
import os
import re
import subprocess
import sys
import time
from pathlib import Path

LAYOUTS = Path(__file__).resolve().parent.parent / "tests/model/layouts"
FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
CONTROL = re.compile(r'^(\w+)\((-?\d+)\) at ([\d.]+),([\d.]+) size ([\d.]+)x([\d.]+)( hidden)?( disabled)? tab \d+ on (\S+) (\w+)(?: "([^"]*)")?')
MENUS = ("Titlefrm", "intro0") + tuple(f"menu{n}" for n in range(1, 6))


def read_layout(name):
    lines = (LAYOUTS / f"{name}.txt").read_text().splitlines()
    caption = re.match(r'^form \w+ "([^"]*)"', lines[0]).group(1)
    controls = []
    for line in lines[1:]:
        m = CONTROL.match(line)
        if m:
            controls.append({"name": m[1], "index": int(m[2]), "x": float(m[3]), "y": float(m[4]), "w": float(m[5]),
                             "h": float(m[6]), "shown": not m[7], "enabled": not m[8], "events": m[9], "caption": m[11]})
    return caption, controls


def centre(control):
    return (control["x"] + control["w"] / 2) / 15, (control["y"] + control["h"] / 2) / 15


class Display:
    def __init__(self):
        self.server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
                                        "-noreset"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env = dict(os.environ, DISPLAY=":" + self.server.stdout.readline().strip(), XDG_RUNTIME_DIR="/tmp")
        self.env.pop("QT_QPA_PLATFORM", None)

    def run(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30).stdout

    def window(self, title, not_this=None, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = [w for w in self.run("xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$").split()
                     if w != not_this]
            if found:
                return found[0]
            time.sleep(0.05)
        raise RuntimeError(f'no window "{title}" appeared')

    def origin(self, window):
        shell = dict(line.split("=") for line in self.run("xdotool", "getwindowgeometry", "--shell", window).split())
        return int(shell["X"]), int(shell["Y"])

    def shot(self, window):
        """The window's pixels once two shots in a row agree (the screen has finished painting)."""
        last = None
        for _ in range(40):
            time.sleep(0.1)
            now = subprocess.run(["import", "-window", window, "ppm:-"], env=self.env, capture_output=True, timeout=30).stdout
            if now == last:
                return now
            last = now
        return last


class Program:
    def __init__(self, display, program, arguments):
        env = dict(display.env, LD_PRELOAD=FAKETIME, FAKETIME="2026-12-09 10:00:00", FAKETIME_DONT_FAKE_MONOTONIC="1")
        self.display = display
        self.process = subprocess.Popen([program] + arguments, env=env, stderr=subprocess.DEVNULL)

    def close(self):
        self.process.kill()
        self.process.wait()

    def point(self, window, twips):
        x, y = self.display.origin(window)
        return str(int(x + twips[0])), str(int(y + twips[1]))

    def hover(self, window, twips):
        self.display.run("xdotool", "mousemove", "--sync", *self.point(window, twips))

    def click(self, window, twips):
        self.display.run("xdotool", "mousemove", "--sync", *self.point(window, twips), "click", "1")

    def drag(self, window, start, end):
        self.display.run("xdotool", "mousemove", "--sync", *self.point(window, start), "mousedown", "1")
        self.display.run("xdotool", "mousemove", "--sync", *self.point(window, end))
        self.display.run("xdotool", "mouseup", "1")


def menu_shots(display, program, save):
    """The title, the main menu, and each topic menu with the pointer over each of its entries."""
    app = Program(display, program, [])
    title = display.window(" ")
    save("title", display.shot(title))
    display.run("xdotool", "key", "Return")
    save("intro0", display.shot(display.window("Corbelwick")))
    app.close()
    _, main_controls = read_layout("intro0")
    for n in range(1, 6):
        app = Program(display, program, [])
        display.window(" ")
        display.run("xdotool", "key", "Return")
        main = display.window("Corbelwick")
        entry = next(c for c in main_controls if c["name"] == "Label2" and c["index"] == n - 1)
        app.click(main, centre(entry))
        menu = display.window("Corbelwick", not_this=main)
        save(f"menu{n}", display.shot(menu))
        for control in read_layout(f"menu{n}")[1]:
            if control["name"] == "Label3":
                app.hover(menu, centre(control))
                save(f"menu{n}-over-{control['caption']}", display.shot(menu))
        app.close()


# Screens reached from an activity's own screen, not from the command line: the button that opens
# each, named by its caption's start.
SECTIONS = {"magnets": ("magnets2", "Section")}


def play(display, app, window, name, controls, save):
    """Each button of a screen clicked twice round, but Exit and the one that leaves for another section."""
    for round_ in range(2):
        for control in controls:
            if (control["events"].startswith("C") and control["caption"] != "Exit" and control["name"] != "Command1"
                    and not (control["caption"] or "").startswith("Section")):
                app.click(window, centre(control))
                save(f"{name}-round{round_}-{control['name']}{control['index']}", display.shot(window))


def activity_shots(display, program, name, save):
    """An activity as its lesson takes it: each name label carried to its place, then each button;
    then its other section, where it has one."""
    caption, controls = read_layout(name)
    app = Program(display, program, ["--activity", name])
    window = display.window(caption)
    save(name, display.shot(window))
    labels = {c["index"]: c for c in controls if c["events"] == "--MU"}
    targets = {c["index"]: c for c in controls if c["name"] == "Label1"}
    for index, label in sorted(labels.items()):
        app.drag(window, centre(label), centre(targets[index]))
        save(f"{name}-placed-{index}", display.shot(window))
    play(display, app, window, name, controls, save)
    if name in SECTIONS:
        other, opener = SECTIONS[name]
        app.click(window, centre(next(c for c in controls if (c["caption"] or "").startswith(opener))))
        second = display.window(caption, not_this=window)
        save(other, display.shot(second))
        play(display, app, second, other, read_layout(other)[1], save)
    app.close()


def main():
    program, output = sys.argv[1], Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)
    display = Display()

    def save(shot, pixels):
        (output / f"{shot}.ppm").write_bytes(pixels)

    try:
        menu_shots(display, program, save)
        for layout in sorted(LAYOUTS.glob("*.txt")):
            if layout.stem not in MENUS and layout.stem not in (other for other, _ in SECTIONS.values()):
                activity_shots(display, program, layout.stem, save)
    finally:
        display.server.terminate()
    print(f"{len(list(output.glob('*.ppm')))} shots in {output}")
    if len(sys.argv) == 5 and sys.argv[3] == "--compare":
        other = Path(sys.argv[4])
        differ = [p.name for p in sorted(output.glob("*.ppm")) if not (other / p.name).exists()
                  or (other / p.name).read_bytes() != p.read_bytes()]
        print("identical" if not differ else "differ: " + ", ".join(differ))
        sys.exit(1 if differ else 0)


if __name__ == "__main__":
    main()
