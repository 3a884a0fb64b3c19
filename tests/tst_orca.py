#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Sumbrix authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the drill as a blind child would, with the real Orca screen reader
listening, and checks what Orca says.

Everything runs privately and headless: a virtual X display, a session
D-Bus (which starts the accessibility bus), speech-dispatcher with its
silent "dummy" voice on a null sound device, and Orca with default
settings in a scratch home. Orca writes each utterance to its debug log
as a "SPEECH OUTPUT: '...'" line before speaking it; that log is what is
checked. Nothing here touches a screen reader the user may be running:
when one runs, the test is skipped.

    tst_orca.py PROGRAM
"""
import ctypes
import fcntl
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

SKIP = 77
# Limits for what a loaded machine may take: each wait ends as soon as what
# it waits for is there.
START_LIMIT = 180   # speech-dispatcher, Orca and the window coming up
SAY_LIMIT = 60      # Orca saying what a key press should make it say
ESPEAK = os.path.exists("/usr/lib/speech-dispatcher-modules/sd_espeak-ng")
NUMBER = r"(\d+)"
WORDS = {"plus": lambda a, b: a + b, "minus": lambda a, b: a - b,
         "times": lambda a, b: a * b, "divided by": lambda a, b: a // b}
PROBLEM = NUMBER + r" (plus|minus|times|divided by) " + NUMBER
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*[\[{]")
# Where Orca's focus goes, and whether it says so.
FOCUS = re.compile(r"Changing locus ?of ?focus from .* to \[(.*)\] ?\. Notify: (True|False)", re.I)  # Orca 43, 48
failures = []


def check(condition, what, heard):
    status = "ok  " if condition else "FAIL"
    print(f"{status} {what}\n       heard: {heard}", flush=True)
    if not condition:
        failures.append(what)


class Session:
    """The private desktop: X, D-Bus, speech-dispatcher, Orca, the program."""

    def __init__(self, program):
        self.program = program
        self.work = tempfile.mkdtemp(prefix="sumbrix-orca.")
        home = os.path.join(self.work, "home")
        run = os.path.join(self.work, "run")
        os.makedirs(home)
        os.makedirs(run, mode=0o700)
        # speech-dispatcher's dummy voice needs a working default sound device.
        with open(os.path.join(home, ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
        speechd = os.path.join(self.work, "speechd")
        os.makedirs(speechd)
        with open(os.path.join(speechd, "speechd.conf"), "w") as f:
            # espeak-ng's voices, where installed, so that the drill's own
            # reading aloud could speak and is seen to keep quiet.
            module = ('"espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\nDefaultModule espeak-ng' if ESPEAK
                      else '"dummy" "sd_dummy" ""\nDefaultModule dummy')
            f.write(f'LogLevel 5\nLogDir "{self.work}"\nAudioOutputMethod "alsa"\nAddModule {module}\n')
        self.socket = os.path.join(self.work, "speechd.sock")
        self.log = os.path.join(self.work, "orca.debug")
        keep = ("PATH", "TMPDIR")
        self.env = {k: v for k, v in os.environ.items() if k in keep}
        self.env.update(HOME=home, XDG_RUNTIME_DIR=run, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_DATA_HOME=os.path.join(home, ".local/share"),
                        LANG="C.UTF-8", LC_ALL="C.UTF-8", SPEECHD_ADDRESS="unix_socket:" + self.socket,
                        NO_AT_BRIDGE="0")
        self.group = None
        self.utterances = []
        self.focus = []  # (object, notified) as Orca's focus moves
        self.lock = threading.Lock()

    def spawn(self, args, name):
        out = open(os.path.join(self.work, name + ".out"), "w")
        return subprocess.Popen(args, env=self.env, stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                process_group=self.group)

    def start(self):
        self.start_display()
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env=self.env,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, process_group=self.group)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.spawn(["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
                    os.path.join(self.work, "speechd"), "--communication-method", "unix_socket",
                    "--socket-path", self.socket], "speechd")
        self.wait_until(lambda: os.path.exists(self.socket), START_LIMIT, "speech-dispatcher's socket")
        # Orca's debug file is written line by line only when it is a
        # terminal; any other file is written in blocks, long after the
        # fact. So Orca gets a pseudo-terminal, read here as it writes.
        master, slave = os.openpty()
        tty.setraw(slave)
        threading.Thread(target=self.collect, args=(master,), daemon=True).start()
        self.slave = slave  # held open: with no writer left, reading would end
        # Orca gives up at once when it finds no desktop to connect to,
        # which a loaded machine can make it do; then it is started again.
        for attempt in range(3):
            orca = self.spawn(["orca", "--user-prefs", os.path.join(self.work, "orca"), "--debug-file",
                               os.ttyname(slave)], "orca")
            self.wait_until(lambda: orca.poll() is not None or any("Screen reader on" in s for s in self.said()),
                            START_LIMIT, "Orca to start")
            if orca.poll() is None:
                break
            print(f"Orca ended at start (attempt {attempt + 1}): {self.output('orca')}", flush=True)
        else:
            sys.exit("Orca would not start")
        # With reading aloud asked for: beside a screen reader it keeps quiet.
        self.spawn([self.program, "--read-aloud"], "sumbrix")
        self.wait_for_window()

    def wait_for_window(self):
        """Waits for the program's window to be shown, and focuses it."""
        self.window = None

        def shown():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Sumbrix$"], env=self.env,
                                   capture_output=True, text=True).stdout.split()
            self.window = found[0] if found else None
            return self.window
        self.wait_until(shown, START_LIMIT, "the window")
        self.xdotool("windowfocus", self.window)

    def start_display(self):
        """A private X display that answers, in a group of its own that
        every later process joins, so one signal ends them all."""
        for attempt in range(3):
            # Xvfb picks a free display and writes its number to a pipe. By
            # default it resets when its last client leaves, and refuses a
            # client that comes meanwhile: the program, right after the
            # probe below, on a loaded machine. -noreset keeps it up.
            read, write = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
                                     "tcp", "-noreset"], env=self.env, pass_fds=(write,), stdout=subprocess.DEVNULL,
                                    stderr=open(os.path.join(self.work, "xvfb.out"), "w"), process_group=0)
            os.close(write)
            # Xvfb writes the number and the newline apart, and dies if the
            # pipe is closed between them: read to the end of the line.
            display = b""
            while not display.endswith(b"\n"):
                chunk = os.read(read, 32)
                if not chunk:
                    break
                display += chunk
            display = display.decode().strip()
            os.close(read)
            self.group = xvfb.pid
            self.env["DISPLAY"] = ":" + display

            def answers():
                return xvfb.poll() is not None or subprocess.run(
                    ["xdotool", "getdisplaygeometry"], env=self.env, capture_output=True).returncode == 0
            if display:
                self.wait_until(answers, START_LIMIT, "the X display")
                if xvfb.poll() is None:
                    return
            print(f"Xvfb did not come up (attempt {attempt + 1}): {self.output('xvfb')}", flush=True)
            self.stop()
        sys.exit("Xvfb would not start")

    def output(self, name):
        try:
            with open(os.path.join(self.work, name + ".out"), errors="replace") as f:
                return f.read()[-500:].strip()
        except OSError:
            return ""

    def stop(self):
        """Ends every process the session started, and those they started
        (this process is their subreaper), and waits until all are gone, so
        that a run right after this one finds none of them."""
        if self.group:
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(self.group, sig)
                except ProcessLookupError:
                    break
                deadline = time.time() + 5
                while time.time() < deadline and reap():
                    time.sleep(0.1)
        # What escaped the group (a daemon in a session of its own) is ours
        # now that its parent has gone.
        for pid in children():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        deadline = time.time() + 30
        while time.time() < deadline and reap():
            time.sleep(0.1)

    def wait_until(self, done, seconds, what):
        deadline = time.time() + seconds
        while not done():
            if time.time() > deadline:
                sys.exit(f"timed out after {seconds} s waiting for {what}")
            time.sleep(0.1)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def collect(self, master):
        pending = b""
        with open(self.log, "wb") as copy:
            while True:
                try:
                    chunk = os.read(master, 65536)
                except OSError:
                    break
                if not chunk:
                    break
                copy.write(chunk)
                copy.flush()
                pending += chunk
                *lines, pending = pending.split(b"\n")
                text = [line.decode(errors="replace") for line in lines]
                with self.lock:
                    self.utterances += [m.group(1) for m in map(UTTERANCE.search, text) if m]
                    self.focus += [(m.group(1), m.group(2) == "True") for m in map(FOCUS.search, text) if m]

    def speech_log(self):
        try:
            with open(os.path.join(self.work, "speech-dispatcher.log"), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def said(self):
        with self.lock:
            return list(self.utterances)

    def wait_for(self, done, seconds, what):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if done(self.said()):
                return
            time.sleep(0.1)
        sys.exit(f"timed out waiting for {what}; Orca said: {self.said()[-12:]}")

    def settle(self, quiet):
        """Waits until Orca has been silent for `quiet` seconds: a loaded
        machine may still be saying the rest."""
        count, calm, deadline = len(self.said()), time.time(), time.time() + SAY_LIMIT
        while time.time() - calm < quiet and time.time() < deadline:
            time.sleep(0.1)
            if len(self.said()) != count:
                count, calm = len(self.said()), time.time()

    def act(self, *keys, until=None, quiet=1.0, typed=None, click=None):
        """Type text, press keys or click at a point of the window, and
        return what Orca says about it: until a line matches `until`, and
        then until Orca has been silent for `quiet` seconds. Key echo is
        left out."""
        before = len(self.said())
        if click:
            self.xdotool("mousemove", "--sync", "--window", self.window, str(click[0]), str(click[1]))
            self.xdotool("click", "1")
        if typed is not None:
            self.xdotool("type", "--delay", "60", typed)
        if keys:
            self.xdotool("key", "--delay", "150", *keys)
        if until:
            self.wait_for(lambda said: any(re.search(until, s) for s in said[before:]), SAY_LIMIT, until)
        self.settle(quiet)
        # Orca echoes keys and typed characters as well; Orca 43 ends key
        # echo in a blank, Orca 48 does not.
        echo = {k.lower().replace("+", " ") for k in keys} | set(typed or "") | {typed, "left shift", "shift"}
        return [s for s in self.said()[before:] if not s.endswith(" ") and s not in echo]


def problem_in(lines, pattern):
    for line in lines:
        m = re.search(pattern, line)
        if m:
            return m
    return None


def after_enter(heard, verdict):
    """What follows Enter, said in one sentence or two: the verdict, if any,
    then the next problem, and nothing else."""
    said = " ".join(heard)
    start = "^" + (verdict + "\\. " if verdict else "")
    return re.search(start + "(?:Answer to )?" + PROBLEM + "\\.?$", said)


def answer(m, offset=0):
    a, word, b = int(m.group(1)), m.group(2), int(m.group(3))
    return str(WORDS[word](a, b) + offset)


def outcome(failures, folders, passed):
    """The test's exit status: 1, keeping the folders of logs, if a check
    failed; else 0, with them removed."""
    if failures:
        print(f"{len(failures)} of the checks failed; the logs are in {folders}")
        return 1
    for folder in folders:
        shutil.rmtree(folder, ignore_errors=True)
    print(passed)
    return 0


def reap():
    """Collects every child that has ended; true while any is left."""
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return False
        if pid == 0:
            return True


def become_subreaper():
    """Processes that the session's daemons start become this process's
    children when their parents end, so stop() can wait for them too."""
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def children():
    """The processes whose parent is this one."""
    mine = []
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except (OSError, IndexError):
            continue
        if int(fields[1]) == os.getpid():
            mine.append(int(entry))
    return mine


def own_turn():
    """Orca runs once per user: a second one, even in another session,
    refuses to start. A run of this test beside another one (two builds'
    suites side by side) waits until the other has ended; the lock is held
    until this process ends."""
    lock = open(os.path.join(tempfile.gettempdir(), f"sumbrix-orca-{os.getuid()}.lock"), "w")
    deadline = time.time() + 2 * START_LIMIT
    while True:
        try:
            fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
            return lock
        except BlockingIOError:
            if time.time() > deadline:
                sys.exit("another run of this test did not end")
            time.sleep(0.5)


def orca_running():
    """Whether a live Orca of this user runs (an ended one awaiting its
    parent does not count, nor one of this test's private sessions, which
    another test run beside this one may have started)."""
    ps = subprocess.run(["ps", "-u", str(os.getuid()), "-o", "stat=,comm=,args="], capture_output=True,
                        text=True).stdout
    return any(fields[1:2] == ["orca"] and not fields[0].startswith("Z") and "/sumbrix-orca." not in fields[2]
               for fields in (line.split(None, 2) + ["", ""] for line in ps.splitlines()))


def main():
    program = os.path.abspath(sys.argv[1])
    for tool in ("orca", "speech-dispatcher", "Xvfb", "dbus-daemon", "xdotool", "ps"):
        if not shutil.which(tool):
            print(f"SKIP: {tool} is not installed (tools/setup installs it)")
            return SKIP
    if not os.access(program, os.X_OK):
        sys.exit(f"{program} is not a program")
    turn = own_turn()  # noqa: F841  (held to the end)
    if orca_running():
        print("SKIP: a screen reader of this user is running; the test leaves it alone")
        return SKIP
    become_subreaper()
    s = Session(program)
    try:
        s.start()
        # 1. At start-up the answer box has the focus: the problem is read.
        s.wait_for(lambda said: problem_in(said, "Answer to " + PROBLEM), START_LIMIT, "the first problem")
        s.settle(1.5)
        opening = s.said()
        first = problem_in(opening, "Answer to " + PROBLEM)
        check(first.group(2) == "plus", "start-up reads an addition problem", opening[-4:])

        # 2. A right answer: "Right." and the next problem. (Orca 48 reads
        # the problem as the answer box's new name, after the verdict.)
        heard = s.act("Return", typed=answer(first), until=PROBLEM)
        m = after_enter(heard, "Right")
        check(m is not None, "a right answer is called right, then the next problem is read", heard)
        # 7. Orca's flat review (keypad 8, then 7 line by line upwards, as
        # KP_Up and KP_Home: the keys with Num Lock off, as a desktop has it) reads
        # the score sheet's values as shown: one right answer, 100 percent.
        heard = s.act("KP_Up", *["KP_Home"] * 6, until=r"\s100$", quiet=1.5)
        check(any(re.search(r"(^|\s)1\s.*\s100$", h) for h in heard) and not any("Percent" in h for h in heard),
              "flat review reads the right count and the percentage as shown", heard)
        # A wrong answer: "Wrong." and the next problem.
        heard = s.act("Return", typed=answer(m, offset=1) if m else "999", until=PROBLEM)
        m = after_enter(heard, "Wrong")
        check(m is not None, "a wrong answer is called wrong, then the next problem is read", heard)
        # Enter on an empty box grades nothing: only the new problem.
        heard = s.act("Return", until=PROBLEM)
        check(after_enter(heard, None) is not None, "Enter on an empty box reads only the new problem", heard)

        # 5. The clock ticks twice a second; Orca stays quiet. (The new
        # problem has been read: what is not said from here on is the clock's.)
        heard = s.act(quiet=3.0)
        check(heard == [], "the clock is never read out", heard)

        # 3. To the scroll bar: moving it draws new problems, which are not
        # read there. Each move is waited for as Orca reads the new value.
        heard = s.act("Tab", "Tab", until=r"scroll bar \d+")
        top = int(problem_in(heard, r"scroll bar (\d+)").group(1))
        heard = s.act("Right", "Right", until=rf"^{top + 2}\.?$", quiet=1.5)
        check(not problem_in(heard, PROBLEM), "a problem drawn by the scroll bar is not read while it moves", heard)
        # 4. The operation list reads each newly chosen operation.
        s.act("Tab", until="combo box")
        heard = s.act("Up", until="Subtraction")
        check(any("Subtraction" in h for h in heard), "Up in the operation list reads Subtraction", heard)
        heard = s.act("Up", until="Multiplication")
        check(any("Multiplication" in h for h in heard), "Up again reads Multiplication", heard)
        heard = s.act("d", until="Division")
        check(any("Division" in h for h in heard), "typing d reads Division", heard)
        # 1, 3. Back to the answer box by Tab: the division drawn meanwhile is read.
        heard = s.act("Tab", until="Answer to " + PROBLEM)
        m = problem_in(heard, "Answer to " + PROBLEM)
        check(m is not None and m.group(2) == "divided by", "Tab back to the answer box reads the division", heard)
        shown = None
        if m:
            heard = s.act("Return", typed=answer(m), until=PROBLEM)
            shown = after_enter(heard, "Right")
            check(shown is not None, "the division read aloud is the one graded", heard)
        # 1. Back to the answer box by a click, from the operation list.
        s.act("shift+Tab", until="combo box")
        # Orca reads it as the focus moves; but a press that Orca handles only
        # once the focus has moved makes the clicked box its focus silently
        # (Orca's own rule: a mouse user knows where he clicked). Either
        # way Orca's focus is the answer box, named by the problem.
        answer_box = re.compile(r"text \| Answer to " + PROBLEM)
        moves, before = len(s.focus), len(s.said())
        s.act(click=(188, 226))

        def arrived(said):  # said, or taken as Orca's focus silently
            moved = [notified for f, notified in s.focus[moves:] if answer_box.match(f)]
            return problem_in(said[before:], "Answer to " + PROBLEM) or (moved and not moved[0])
        s.wait_for(arrived, SAY_LIMIT, "Orca's focus in the answer box")
        spoken = problem_in(s.said()[before:], "Answer to " + PROBLEM)
        name = ("Answer to " + " ".join(spoken.groups()) if spoken else
                next(f for f, _ in s.focus[moves:] if answer_box.match(f))[len("text | "):])
        check(shown is not None and name == "Answer to " + " ".join(shown.groups()),
              "a click gives the answer box the focus, named by the problem shown; Orca reads it if it says the move",
              (name, s.said()[before:]))

        # Ctrl+Tab turns the page, from the answer box or the scroll bar;
        # Orca says the page's name.
        for keys, where in ((), "the answer box"), (("Tab", "Tab"), "the scroll bar"):
            if keys:
                s.act(*keys, until="scroll bar")
            heard = s.act("ctrl+Tab", until="Diagnostics")
            check(any("Diagnostics" in h for h in heard), f"Ctrl+Tab from {where} says the Diagnostics page", heard)
            heard = s.act("ctrl+Tab", until=r"\bProblem\b")
            check(any(re.search(r"\bProblem\b(?! du jour)", h) for h in heard),
                  f"Ctrl+Tab again says the Problem page", heard)

        # Reading aloud was asked for, but a screen reader runs: the drill's
        # own voice, ready in the speech service, never spoke.
        if ESPEAK:
            log = s.speech_log()
            ours = re.findall(r"(\d+):DATA:\|SET SELF CLIENT_NAME \"[^\"]*QTextToSpeech", log)
            ready = [fd for fd in ours if re.search(fd + r":DATA:\|SET SELF LANGUAGE", log)]
            spoke = [fd for fd in ours if re.search(fd + r":DATA:\|speak", log, re.I)]
            check(ready and not spoke, "reading aloud keeps quiet beside Orca", (ours, ready, spoke))

        # 6. Over the whole session: no unnamed container, no "selected"
        # from the read-only box, no doubled blanks from frame titles.
        everything = s.said()
        check(not any("layered pane" in h for h in everything), "no unnamed container is read", everything[:8])
        check(not any(re.search(r"\bselected\b|unselected", h) for h in everything),
              "nothing is read as selected or unselected", [h for h in everything if "select" in h])
        # (Flat review joins the values' own leading blanks, " 1", to their
        # neighbours; that is the text as shown, so only titles are judged.)
        doubled = re.compile(r"(jour|Setup)\s{2}|\s{2}panel")
        check(not any(doubled.search(h) for h in everything), "no frame title is read with doubled blanks",
              [h for h in everything if doubled.search(h)])
    finally:
        s.stop()
    return outcome(failures, [s.work], "Orca said what a blind child needs to hear")


if __name__ == "__main__":
    sys.exit(main())
