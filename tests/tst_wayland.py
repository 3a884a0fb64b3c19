#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the drill natively on Wayland, as on a GNOME or KDE desktop of
today: the real program under sway, headless, keys typed through wtype's
virtual keyboard. Reading aloud tells what was graded: a private
speech-dispatcher logs each verdict and the next problem.

sway refuses to run as root; run as root, the compositor runs as nobody
and the program and keyboard, as root, still reach it.

    tst_wayland.py PROGRAM TRANSLATIONS_DIR
"""
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # no cache files in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tst_readaloud as speech  # noqa: E402
from tst_readaloud import check, desktop, LIMIT  # noqa: E402

APP_ID = "org.sumbrix.sumbrix"


class Wayland(speech.Speech):
    """A private sway, session bus and speech-dispatcher."""

    def start_display(self):
        # The compositor's own runtime folder: the program keeps its own,
        # which Qt wants owned by its user, and finds the compositor by path.
        self.seat = tempfile.mkdtemp(prefix="sumbrix-sway.")
        config = os.path.join(self.seat, "sway.conf")
        with open(config, "w") as f:
            f.write("output HEADLESS-1 resolution 1280x1024\n")
        env = dict(self.env, XDG_RUNTIME_DIR=self.seat, WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                   WLR_LIBINPUT_NO_DEVICES="1")
        command = ["sway", "--config", config]
        if os.geteuid() == 0:
            for path in (self.seat, config):
                os.chown(path, 65534, 65534)
            command = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"] + command
        sway = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(self.work, "sway.out"), "w"), process_group=0)
        self.group = sway.pid
        ipc = os.path.join(self.seat, "sway-ipc.*.sock")
        self.wait_until(lambda: sway.poll() is not None or glob.glob(ipc), LIMIT, "sway")
        if sway.poll() is not None:
            sys.exit(f"sway ended at start: {self.output('sway')}")
        self.env.pop("DISPLAY", None)
        self.env.update(WAYLAND_DISPLAY=glob.glob(os.path.join(self.seat, "wayland-?"))[0], SWAYSOCK=glob.glob(ipc)[0],
                        QT_QPA_PLATFORM="wayland")

    def stop(self):
        super().stop()
        shutil.rmtree(getattr(self, "seat", ""), ignore_errors=True)

    def windows(self):
        tree = subprocess.run(["swaymsg", "-t", "get_tree", "--raw"], env=self.env, capture_output=True, text=True)
        found, nodes = [], [json.loads(tree.stdout or "{}")]
        while nodes:
            node = nodes.pop()
            if node.get("app_id") == APP_ID:
                found.append(node)
            nodes += node.get("nodes", []) + node.get("floating_nodes", [])
        return found

    def wait_for_window(self):
        self.wait_until(self.windows, LIMIT, "the window on sway")
        self.window = self.windows()[0]

    def xdotool(self, *args):
        """Keys as xdotool takes them, typed through a virtual keyboard. A
        new keyboard's first key can come before the compositor has its
        keymap: a modifier goes first. Each call is a new keyboard with a
        keymap of its own, and a busy program may read a key by the keymap
        of the call before (Return read as the digit that had its code, so
        Enter never came): every call lists the same keys in the same
        order, by releases that type nothing, so any keymap reads alike."""
        args = [a for a in args if a != "--sync"]
        if args[0] == "windowfocus":
            return  # sway focuses the new window
        typing = ["wtype", "-P", "Shift_L", "-p", "Shift_L"]
        typing += [a for key in [*"0123456789", "Return", "Tab", "q", "equal"] for a in ("-p", key)]
        typing += ["-s", "200"]
        if args[0] == "type":
            for c in args[-1]:
                typing += ["-k", "Return"] if c == "\r" else ["-s", "60", c]
        else:
            for key in args[1:]:
                if key.startswith("--") or key.isdigit():
                    continue
                *mods, name = key.split("+")
                for m in mods:
                    typing += ["-M", m.lower()]
                typing += ["-k", name, "-s", "150"]
                for m in mods:
                    typing += ["-m", m.lower()]
        subprocess.run(typing, env=self.env, check=True)

    def screen(self):
        """The window's pixels, as grim takes them."""
        r = self.window["rect"]
        return subprocess.run(["grim", "-g", f"{r['x']},{r['y']} {r['width']}x{r['height']}", "-t", "ppm", "-"],
                              env=self.env, capture_output=True, check=True).stdout


def differing(a, b):
    """The share of bytes two screenshots of the same size differ in."""
    return sum(x != y for x, y in zip(a, b)) / max(1, len(a))


def within(seconds, done):
    """Whether `done` comes true within `seconds`."""
    deadline = time.time() + seconds
    while not done():
        if time.time() > deadline:
            return False
        time.sleep(0.2)
    return True


def main():
    program, folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    for tool in ("sway", "swaymsg", "wtype", "grim", "speech-dispatcher", "dbus-daemon"):
        if not shutil.which(tool):
            print(f"SKIP: {tool} is not installed (tools/setup installs it)")
            return speech.SKIP
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
        print("SKIP: qt6-wayland is not installed (tools/setup installs it)")
        return speech.SKIP
    desktop.become_subreaper()
    s = Wayland(program)
    problem = re.compile(r"(\d+) (plus|minus|times|divided by) (\d+)")
    try:
        s.start("en", "--read-aloud")
        w = s.window
        check(w.get("shell") == "xdg_shell" and w.get("type") == "floating_con",
              "a native Wayland window of its own app id, floating", (w.get("shell"), w.get("type"), w.get("rect")))
        s.wait_until(lambda: any(map(problem.search, s.said())), LIMIT, "the first problem")
        verdicts = []
        m = next(filter(None, map(problem.search, s.said())))
        for offset in (0, 1, 0, 0, 1):  # right, wrong, right, right, wrong
            typed = str(desktop.WORDS[m.group(2)](int(m.group(1)), int(m.group(3))) + offset)
            heard = s.heard("Return", typed=typed, until=r"^(Right|Wrong)\.")
            verdicts += [h.split(".")[0] for h in heard if re.match(r"(Right|Wrong)\.", h)]
            m = next(filter(None, map(problem.search, heard)), m)
        check(verdicts == ["Right", "Wrong", "Right", "Right", "Wrong"],
              "every answer typed through the virtual keyboard graded, in order", verdicts)
        # Ctrl+Tab: the other page shows, and again the first.
        # (The clock changes a few pixels; a page, a fifth of them or more.)
        first = s.screen()
        s.xdotool("key", "ctrl+Tab")
        turned = within(LIMIT, lambda: differing(first, s.screen()) > 0.2)
        s.xdotool("key", "ctrl+Tab")
        back = turned and within(LIMIT, lambda: differing(first, s.screen()) < 0.02)
        check(turned and back, "Ctrl+Tab turns the page, and again turns it back", (turned, back))
        # Ctrl+= zooms in: the window grows by a step, on sway too.
        before, said = s.windows()[0]["rect"], s.said()
        s.xdotool("key", "ctrl+equal")
        grew = within(LIMIT, lambda: s.windows()[0]["rect"]["width"] >= before["width"] * 1.09)
        check(grew, "Ctrl+= makes the window larger", (before, s.windows()[0]["rect"]))
        time.sleep(1)
        check(s.said() == said, "a zoom step is not read aloud", s.said()[len(said):])
        status, err = s.quit()
        check(status == 0 and not err.strip(), "Ctrl+Q ends it with status 0", (status, err))
    finally:
        s.stop()
    return desktop.outcome(speech.failures, [s.work], "the drill plays natively on Wayland")


if __name__ == "__main__":
    sys.exit(main())
