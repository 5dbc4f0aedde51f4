#!/usr/bin/env python3
"""Runs one command-line case file against the built zel.

A case is a list of lines, read top to bottom. TEXT may hold the escapes \\n, \\r and \\t.
    # text                 a comment
    env NAME VALUE         sets an environment variable for the following runs
    setting SECTION KEY V  stores a user setting before the following runs
    file PATH TEXT         creates a file (and its folders) holding TEXT
    dir PATH               creates a folder with its parents
    link PATH TARGET       creates a symbolic link
    fifo PATH              creates a named pipe
    remove PATH            removes a file
    tree PATH N SIZE       creates N files of SIZE random bytes in nested folders below PATH
    zel WORD...            runs zel with the words (split as a POSIX shell would)
    zel-pty WORD...        runs zel on a pseudo-terminal of its own, for expect and send
    expect TEXT            the pseudo-terminal shows TEXT (waits up to 60 s)
    send TEXT              types TEXT on the pseudo-terminal
    interrupt              presses Ctrl-C on the pseudo-terminal
    wait MS                waits MS milliseconds, reading the pseudo-terminal meanwhile
    end                    waits for the pseudo-terminal run to end
    status N               the last run exited with N
    stdout TEXT            the last run printed exactly TEXT and a line end on standard output
    stdout-empty           the last run printed nothing on standard output
    stdout-of COMMAND      ... printed what the shell COMMAND prints, run in the work folder
    stderr-has TEXT        the last run's standard error (or terminal output) contains TEXT
    output-lacks TEXT      neither the last run's output nor its terminal shows TEXT
    exists PATH / missing PATH
    same PATH PATH         two trees are identical: contents, links and empty folders
    lists ZIP NAME...      the zip archive holds exactly the entries NAME... (any order)
    empty PATH             the folder is empty
    tmp-empty              the private temporary folder (ZEL_TMPDIR) is empty
    setting-is SECTION KEY V   the user setting holds V
    remember-setting SECTION KEY / setting-unchanged SECTION KEY
Each case runs in a fresh folder with its own settings, data and temporary folders, with no
terminal and no display, in a session of its own.
"""
import os
import pty
import random
import re
import select
import shlex
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET


def fail(case, line_no, message):
    print(f"{case}:{line_no}: {message}", file=sys.stderr)
    sys.exit(1)


def unescape(text):
    return text.replace("\\n", "\n").replace("\\r", "\r").replace("\\t", "\t")


def private_env(root):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "ZEL_PASSWORD")}
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "ZEL_TMPDIR"):
        env[name] = os.path.join(root, name.lower())
        os.makedirs(env[name])
    env["ZEL_UI"] = "terminal"
    return env


def preferences_path(env):
    return os.path.join(env["XDG_CONFIG_HOME"], "zel", "preferences.xml")


def read_settings(env):
    try:
        text = open(preferences_path(env), encoding="utf-8").read()
    except FileNotFoundError:
        return {}
    root = ET.fromstring("<all>" + text + "</all>")
    return {(s.tag, k.tag): k.get("value") for s in root for k in s}


def write_setting(env, section, key, value):
    settings = read_settings(env)
    settings[(section, key)] = value
    sections = {}
    for (s, k), v in settings.items():
        sections.setdefault(s, []).append((k, v))
    os.makedirs(os.path.dirname(preferences_path(env)), exist_ok=True)
    with open(preferences_path(env), "w", encoding="utf-8") as f:
        for s, keys in sections.items():
            f.write(f"<{s}>\n")
            for k, v in keys:
                f.write(f'\t<{k} value="{v}"/>\n')
            f.write(f"</{s}>\n")


def make_tree(path, count, size):
    rng = random.Random(count * 7919 + size)
    for i in range(count):
        folder = os.path.join(path, f"d{i % 10}", f"e{i % 7}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, f"f{i}.bin"), "wb") as f:
            f.write(rng.randbytes(size))


def tree_listing(top):
    """Every entry below top: kind, and the content or link target."""
    entries = {}
    for folder, dirs, files in os.walk(top):
        for name in dirs + files:
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, top)
            if os.path.islink(path):
                entries[rel] = ("link", os.readlink(path))
            elif os.path.isdir(path):
                entries[rel] = ("dir", None)
            else:
                entries[rel] = ("file", open(path, "rb").read())
    return entries


class Run:
    def __init__(self, returncode, stdout, stderr):
        self.returncode, self.stdout, self.stderr = returncode, stdout, stderr


class PtyRun:
    """zel on a pseudo-terminal of its own: the terminal is its controlling terminal."""

    def __init__(self, argv, cwd, env):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.chdir(cwd)
            os.execve(argv[0], argv, env)
        self.seen = ""
        self.returncode = None

    def pump(self, timeout):
        ready, _, _ = select.select([self.fd], [], [], timeout)
        if not ready:
            return False
        try:
            data = os.read(self.fd, 4096)
        except OSError:
            return False
        if not data:
            return False
        self.seen += data.decode("utf-8", "replace")
        return True

    def expect(self, text):
        deadline = time.time() + 60
        while text not in self.seen and time.time() < deadline:
            if not self.pump(0.2) and self.finished():
                break
        return text in self.seen

    def finished(self):
        if self.returncode is None:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid:
                self.returncode = os.waitstatus_to_exitcode(status)
        return self.returncode is not None

    def end(self):
        deadline = time.time() + 120
        while not self.finished() and time.time() < deadline:
            self.pump(0.2)
        while self.pump(0.05):
            pass
        os.close(self.fd)
        if self.returncode is None:
            os.kill(self.pid, signal.SIGKILL)
            os.waitpid(self.pid, 0)
            self.returncode = -9
        return Run(self.returncode, "", self.seen)


def main():
    zel, case = sys.argv[1], sys.argv[2]
    last = None
    session = None
    remembered = {}
    with tempfile.TemporaryDirectory() as root:
        work = os.path.join(root, "work")
        os.makedirs(work)
        env = private_env(root)
        at = lambda p: os.path.join(work, p)
        with open(case, encoding="utf-8") as f:
            lines = f.read().splitlines()
        for no, line in enumerate(lines, 1):
            if not line.strip() or line.startswith("#"):
                continue
            verb, _, rest = line.partition(" ")
            args = rest.split(" ")
            if verb == "zel":
                last = subprocess.run([zel] + shlex.split(rest), cwd=work, env=env,
                                      stdin=subprocess.DEVNULL, capture_output=True,
                                      text=True, start_new_session=True, timeout=120)
            elif verb == "zel-pty":
                session = PtyRun([zel] + shlex.split(rest), work, env)
            elif verb == "expect":
                if not session.expect(unescape(rest)):
                    fail(case, no, f"terminal never showed {rest!r}; it showed {session.seen!r}")
            elif verb == "send":
                os.write(session.fd, unescape(rest).encode())
            elif verb == "wait":
                deadline = time.time() + int(rest) / 1000
                while time.time() < deadline:
                    session.pump(0.05)
            elif verb == "interrupt":
                os.write(session.fd, b"\x03")
            elif verb == "end":
                last, session = session.end(), None
            elif verb == "env":
                env[args[0]] = unescape(rest.partition(" ")[2])
            elif verb == "setting":
                write_setting(env, args[0], args[1], " ".join(args[2:]))
            elif verb == "file":
                path, _, text = rest.partition(" ")
                os.makedirs(os.path.dirname(at(path)), exist_ok=True)
                with open(at(path), "w", newline="") as f:
                    f.write(unescape(text))
            elif verb == "dir":
                os.makedirs(at(rest), exist_ok=True)
            elif verb == "link":
                os.symlink(args[1], at(args[0]))
            elif verb == "fifo":
                os.mkfifo(at(rest))
            elif verb == "remove":
                os.unlink(at(rest))
            elif verb == "tmp-empty":
                if os.listdir(env["ZEL_TMPDIR"]):
                    fail(case, no, f"left behind: {os.listdir(env['ZEL_TMPDIR'])}")
            elif verb == "tree":
                make_tree(at(args[0]), int(args[1]), int(args[2]))
            elif verb == "exists":
                if not os.path.lexists(at(rest)):
                    fail(case, no, f"{rest} does not exist")
            elif verb == "missing":
                if os.path.lexists(at(rest)):
                    fail(case, no, f"{rest} exists")
            elif verb == "empty":
                if os.listdir(at(rest)):
                    fail(case, no, f"{rest} holds {os.listdir(at(rest))}")
            elif verb == "same":
                a, b = tree_listing(at(args[0])), tree_listing(at(args[1]))
                if a != b:
                    fail(case, no, f"trees differ: {sorted(set(a.items()) ^ set(b.items()))}")
            elif verb == "lists":
                names = subprocess.run(["unzip", "-Z1", at(args[0])], capture_output=True,
                                       text=True).stdout.split()
                if sorted(names) != sorted(args[1:]):
                    fail(case, no, f"archive lists {names}")
            elif verb == "setting-is":
                value = read_settings(env).get((args[0], args[1]))
                if value != " ".join(args[2:]):
                    fail(case, no, f"setting {args[0]}/{args[1]} is {value!r}")
            elif verb == "remember-setting":
                remembered[(args[0], args[1])] = read_settings(env).get((args[0], args[1]))
            elif verb == "setting-unchanged":
                value = read_settings(env).get((args[0], args[1]))
                if value is None or value != remembered.get((args[0], args[1])):
                    fail(case, no, f"setting {args[0]}/{args[1]} is now {value!r}")
            elif last is None:
                fail(case, no, f"'{verb}' before any run")
            elif verb == "status":
                if last.returncode != int(rest):
                    fail(case, no, f"exit status {last.returncode}, expected {rest}\n"
                                   f"stdout: {last.stdout!r}\nstderr: {last.stderr!r}")
            elif verb == "stdout":
                if last.stdout != unescape(rest) + "\n":
                    fail(case, no, f"stdout {last.stdout!r}, expected {rest + chr(10)!r}")
            elif verb == "stdout-empty":
                if last.stdout:
                    fail(case, no, f"stdout {last.stdout!r}, expected nothing")
            elif verb == "stdout-of":
                want = subprocess.run(rest, shell=True, cwd=work, capture_output=True,
                                      text=True).stdout
                if last.stdout != want:
                    fail(case, no, f"stdout {last.stdout!r}, expected {want!r}")
            elif verb == "stderr-has":
                if unescape(rest) not in last.stderr:
                    fail(case, no, f"stderr {last.stderr!r} lacks {rest!r}")
            elif verb == "output-lacks":
                if rest in last.stdout or rest in last.stderr:
                    fail(case, no, f"output shows {rest!r}")
            else:
                fail(case, no, f"unknown directive '{verb}'")
        if session is not None:
            session.end()
    print(f"{os.path.basename(case)}: passed")


if __name__ == "__main__":
    main()
