#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the drill with reading aloud on, as a child who cannot read would,
and checks what the speech service was told to say, and in which language.

A private speech-dispatcher (its own folder and socket, found through
SPEECHD_ADDRESS) logs every sentence as a "DATA:|...|" line and each
language as "SET SELF LANGUAGE xx"; its espeak-ng voices speak to a null
sound device. The program runs on a private X display with a private
session bus, in each language of the table; then once more with no speech
service at all, and once with one that dies while in use.

    tst_readaloud.py PROGRAM TRANSLATIONS_DIR
"""
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # no cache files in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tst_orca as desktop  # noqa: E402  (the private X display and the reaping)

SKIP = 77
LIMIT = 60
# The languages played through: English, two catalogues with voices of
# espeak-ng's, and Chinese, whose voices are listed under Mandarin's and
# Cantonese's codes ("cmn", "yue"), not "zh": how speech-dispatcher is told
# which voice to speak.
LANGUAGES = [("en", None), ("de", r"LANGUAGE de"), ("fr", r"LANGUAGE fr"),
             ("zh_CN", r"SYNTHESIS_VOICE Chinese \(Mandarin, latin as Pinyin\)"),
             ("zh_HK", r"SYNTHESIS_VOICE Chinese \(Cantonese")]
failures = []
scratch = []  # folders of sessions whose logs are not worth keeping


def check(condition, what, heard):
    print(f"{'ok  ' if condition else 'FAIL'} {what}\n       heard: {heard}", flush=True)
    if not condition:
        failures.append(what)


def catalogue(folder, language):
    """The window's texts in `language`: (context, source) -> translation."""
    if language is None:
        return lambda context, source: source
    texts = {}
    for context in ET.parse(os.path.join(folder, f"sumbrix_{language}.ts")).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            texts[(name, message.findtext("source"))] = message.findtext("translation")
    return lambda context, source: texts[(context, source)]


class Speech(desktop.Session):
    """A private X display, session bus and speech-dispatcher."""

    def __init__(self, program, daemon=True):
        super().__init__(program)
        self.daemon = daemon
        self.speechd_log = os.path.join(self.work, "speech-dispatcher.log")
        with open(os.path.join(self.work, "speechd", "speechd.conf"), "w") as f:
            f.write(f'LogLevel 5\nLogDir "{self.work}"\nAudioOutputMethod "alsa"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng\n')
        self.speechd = None
        self.window_process = None
        self.errors = []  # the program's standard error, line by line as it comes

    def start(self, language, *args):
        self.start_display()
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env=self.env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, process_group=self.group)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        if self.daemon:
            self.speechd = self.spawn(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
                                       os.path.join(self.work, "speechd"), "--communication-method",
                                       "unix_socket", "--socket-path", self.socket], "speechd")
            self.wait_until(lambda: os.path.exists(self.socket), LIMIT, "speech-dispatcher's socket")
        env = dict(self.env)
        env.pop("LC_ALL")
        env.update(LANG="C.UTF-8", LANGUAGE=language)
        self.window_process = subprocess.Popen([self.program, *args], env=env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.PIPE, stdin=subprocess.DEVNULL,
                                               process_group=self.group, text=True)
        self.reader = threading.Thread(target=self.errors.extend, args=(self.window_process.stderr,), daemon=True)
        self.reader.start()
        self.wait_for_window()

    def speech_log(self):
        try:
            with open(self.speechd_log, errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def said(self):
        """The sentences given to speak: the lines between a "speak"
        command and the lone "." that ends its text."""
        sentences, text = [], None
        for line in re.findall(r":DATA:\|(.*)$", self.speech_log(), re.M):
            if text is None:
                if line.strip().lower() == "speak":
                    text = []
            elif line == ".":
                sentences.append(" ".join(text))
                text = None
            else:
                text.append(line)
        return sentences

    def heard(self, *keys, typed=None, until=None, quiet=1.5):
        """Sends keys (and text), then returns the sentences said since:
        until one matches `until`, and then until quiet for `quiet` s."""
        before = len(self.said())
        if typed is not None:
            self.xdotool("type", "--delay", "60", typed)
        if keys:
            self.xdotool("key", "--delay", "150", *keys)
        if until:
            self.wait_until(lambda: any(re.search(until, s) for s in self.said()[before:]), LIMIT, until)
        self.settle(quiet)
        return self.said()[before:]

    def a11y_switch(self, on):
        """The desktop's screen-reader switch, as GNOME sets it; returns once it is set."""
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                        "string:ScreenReaderEnabled", f"variant:boolean:{'true' if on else 'false'}"],
                       env=self.env, check=True, capture_output=True)

    def looked_for_screen_reader(self, *keys):
        """Sends keys, and returns once the program has asked for the
        screen-reader switch since: what it says for them is decided."""
        monitor = subprocess.Popen(["dbus-monitor", "--session", "type='method_call',member='Get',"
                                    "destination='org.a11y.Bus',arg1='ScreenReaderEnabled'"], env=self.env,
                                   stdout=subprocess.PIPE, text=True, process_group=self.group)
        lines = []
        threading.Thread(target=lines.extend, args=(monitor.stdout,), daemon=True).start()
        self.wait_until(lambda: lines, LIMIT, "dbus-monitor")  # it says first that it watches
        watching = len(lines)
        self.xdotool("key", *keys)
        self.wait_until(lambda: any("ScreenReaderEnabled" in line for line in lines[watching:]), LIMIT,
                        "the program to ask for the screen-reader switch")
        monitor.kill()
        monitor.wait()

    def error_line(self, text):
        """Waits for a line on the program's standard error holding `text`."""
        self.wait_until(lambda: any(text in line for line in self.errors), LIMIT, f"'{text}' on standard error")

    def quit(self):
        """Ctrl+Q, pressed again while the program runs (a key pressed before
        the window is active goes nowhere); the exit status and what was
        said on standard error."""
        deadline = time.time() + LIMIT
        while self.window_process.poll() is None and time.time() < deadline:
            self.xdotool("windowfocus", self.window)
            self.xdotool("key", "ctrl+q")
            try:
                self.window_process.wait(2)
            except subprocess.TimeoutExpired:
                pass
        if self.window_process.poll() is None:
            return None, "still running"
        self.reader.join(LIMIT)  # to the end of what it wrote
        return self.window_process.returncode, "".join(self.errors)


def play(program, folder, language, voice):
    tr = catalogue(folder, None if language == "en" else language)
    words = {tr("speech", w): w for w in ("plus", "minus", "times", "divided by")}
    # Numbers the catalogue spells (Hong Kong's 兩百) cannot be read back to
    # answer with: there the voice is what is checked.
    spelled = tr("speech", "digits") != "digits"
    number = r"(\S+)" if spelled else r"(\d+)"
    problem = re.compile(number + " (" + "|".join(map(re.escape, words)) + ") " + number)

    def answer(m, offset=0):
        a, b = int(m.group(1)), int(m.group(3))
        return str(desktop.WORDS[words[m.group(2)]](a, b) + offset)

    def found(sentences):
        return next((m for m in map(problem.search, sentences) if m), None)

    s = Speech(program)
    try:
        s.start(language, "--read-aloud")
        name = language
        # 2. Once shown, the problem, in the window's language and a voice of it.
        s.wait_until(lambda: found(s.said()), LIMIT, "the first problem")
        m = found(s.said())
        check(m is not None, f"{name}: the first problem is said once the window shows", s.said())
        if voice:
            check(re.search(r"SET SELF " + voice, s.speech_log(), re.I) is not None,
                  f"{name}: the voice is {voice}", re.findall(r"SET SELF (?:LANGUAGE|SYNTHESIS_VOICE) .*", s.speech_log()))
        if spelled:
            return s
        # After Enter: the verdict and the next problem, in one sentence.
        right = tr("speech", "Right. %1").replace("%1", "")
        heard = s.heard("Return", typed=answer(m), until=re.escape(right))
        m = found(heard)
        check(len(heard) == 1 and heard[0].startswith(right) and m, f"{name}: right, then the next problem", heard)
        wrong = tr("speech", "Wrong. %1").replace("%1", "")
        heard = s.heard("Return", typed=answer(m, 1), until=re.escape(wrong))
        check(len(heard) == 1 and heard[0].startswith(wrong) and found(heard), f"{name}: wrong, then the next one",
              heard)
        # The clock ticks; nothing is said. (The next problem has been drawn,
        # and said: what is not said from here on is the clock's.)
        check(s.heard(quiet=3.0) == [], f"{name}: the clock is never said", [])
        # The top of the range, once the scroll bar comes to rest: the range and the problem.
        rng = re.escape(tr("speech", "Numbers from %1 to %2. %3").split("%1")[0])
        heard = s.heard("Tab", "Tab", "Right", until=rng)
        check(any(re.search(rng, h) and found([h]) for h in heard), f"{name}: the new range and its problem", heard)
        # The operation newly chosen, and its problem.
        subtraction = tr("sumbrix::Quiz", "Subtraction")
        heard = s.heard("Tab", "Up", until=re.escape(subtraction))
        check(subtraction in heard and found(heard) and words[found(heard).group(2)] == "minus",
              f"{name}: the operation chosen, then its problem", heard)
        # A new sentence cuts off the one before (speech-dispatcher is told
        # to cancel first); only the problem after the operation follows it.
        commands = [c.upper() for c in re.findall(r":DATA:\|(CANCEL|STOP|speak)\b", s.speech_log(), re.I)]
        cut = sum(1 for a, b in zip(["SPEAK"] + commands, commands) if b == "SPEAK" and a in ("CANCEL", "STOP"))
        check(commands.count("SPEAK") >= 6 and cut == commands.count("SPEAK") - 1,
              f"{name}: each sentence cuts off the one before", commands)
        # Ctrl+R: quiet, and silent; again: reading aloud.
        heard = s.heard("ctrl+r", until=re.escape(tr("speech", "Quiet")))
        check(heard == [tr("speech", "Quiet")], f"{name}: Ctrl+R says it turns quiet", heard)
        # Back to the answer box (from the list: scroll bar, tabs, answer),
        # Enter, which is not said; then Ctrl+R. Sentences keep their order,
        # so the first one heard is Ctrl+R's.
        heard = s.heard("shift+Tab", "shift+Tab", "shift+Tab", "Return", "ctrl+r", until=problem.pattern)
        check(heard[:1] == [tr("speech", "Reading aloud")] and found(heard),
              f"{name}: quiet, nothing is said; Ctrl+R reads aloud again", heard)
        if language == "en":
            # 3. Beside a screen reader, silent: the desktop's switch on,
            # Enter, and once the program has looked at the switch, off
            # again and Enter; only the second Enter is said.
            before = len(s.said())
            s.a11y_switch(True)
            s.looked_for_screen_reader("Return")
            s.a11y_switch(False)
            s.heard("Return", until=problem.pattern)
            heard = s.said()[before:]
            check(len(heard) == 1 and found(heard) is not None,
                  "silent while the desktop's screen reader is on, speaks again once it is off", heard)
        status, err = s.quit()
        check(status == 0 and not err.strip(), f"{name}: Ctrl+Q ends it cleanly, nothing on standard error",
              (status, err))
    finally:
        s.stop()
    return s


def without_speech(program):
    """5. No speech service at all, then one that dies while in use."""
    s = Speech(program, daemon=False)
    scratch.append(s.work)
    try:
        started = time.time()
        s.start("en", "--read-aloud")
        check(time.time() - started < LIMIT, "with no speech service the window still shows", [])
        s.error_line("cannot read aloud")  # the engine's start has found no service
        s.xdotool("key", "Return")
        status, err = s.quit()
        lines = err.strip().splitlines()
        check(status == 0 and len(lines) == 1 and "cannot read aloud" in lines[0],
              "with no speech service: one line on standard error, a clean exit", (status, err))
    finally:
        s.stop()
    s = Speech(program)
    scratch.append(s.work)
    try:
        s.start("en", "--read-aloud")
        s.wait_until(lambda: s.said(), LIMIT, "the first sentence")
        os.kill(s.speechd.pid, signal.SIGKILL)
        s.speechd.wait()
        s.xdotool("type", "--delay", "60", "1\r")
        s.error_line("reading aloud stopped")
        s.xdotool("type", "--delay", "60", "1\r")
        status, err = s.quit()
        lines = err.strip().splitlines()
        check(status == 0 and len(lines) == 1, "the service dying mid-drill: one line, a clean exit",
              (status, err))
    finally:
        s.stop()
    # A service that takes the connection and never answers holds the
    # speech engine in a call: the window still shows and still closes.
    s = Speech(program, daemon=False)
    scratch.append(s.work)
    silent = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        silent.bind(s.socket)
        silent.listen()
        try:
            s.start("en", "--read-aloud")
        except SystemExit as timeout:  # say what the program did, not only that no window came
            ended = s.window_process.poll() if s.window_process else None
            check(False, "a speech service that never answers: the window shows",
                  (str(timeout), ended, "".join(s.errors) if ended is not None else "still running"))
            return
        s.xdotool("type", "--delay", "60", "1\r")
        status, err = s.quit()
        lines = err.strip().splitlines()
        check(status == 0 and len(lines) == 1 and "cannot read aloud" in lines[0],
              "a speech service that never answers: the window still closes, cleanly, saying why it was silent",
              (status, err))
    finally:
        silent.close()
        s.stop()


def main():
    program, folder = os.path.abspath(sys.argv[1]), sys.argv[2]
    for tool in ("speech-dispatcher", "Xvfb", "dbus-daemon", "dbus-send", "dbus-monitor", "xdotool"):
        if not shutil.which(tool):
            print(f"SKIP: {tool} is not installed (tools/setup installs it)")
            return SKIP
    if not os.path.exists("/usr/lib/speech-dispatcher-modules/sd_espeak-ng"):
        print("SKIP: speech-dispatcher-espeak-ng is not installed (tools/setup installs it)")
        return SKIP
    desktop.become_subreaper()
    sessions = [play(program, folder, language, voice) for language, voice in LANGUAGES]
    without_speech(program)
    return desktop.outcome(failures, [s.work for s in sessions] + scratch,
                           "reading aloud said what a child who cannot read needs to hear")


if __name__ == "__main__":
    sys.exit(main())
