#!/usr/bin/env python3
"""Runs one command-line case file against the built zel.

A case is a list of lines, read top to bottom:
    # text              a comment
    zel WORD...         runs zel with the words (split as a POSIX shell would)
    status N            the last run exited with N
    stdout TEXT         the last run printed exactly TEXT and a line end on standard output
    stderr-has TEXT     the last run's standard error contains TEXT
Each case runs in a fresh folder with its own settings, data and temporary folders, with no
terminal and no display, in a session of its own.
"""
import os
import shlex
import subprocess
import sys
import tempfile


def fail(case, line_no, message):
    print(f"{case}:{line_no}: {message}", file=sys.stderr)
    sys.exit(1)


def private_env(root):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "ZEL_TMPDIR"):
        env[name] = os.path.join(root, name.lower())
        os.makedirs(env[name])
    env["ZEL_UI"] = "terminal"
    return env


def main():
    zel, case = sys.argv[1], sys.argv[2]
    last = None
    with tempfile.TemporaryDirectory() as root:
        work = os.path.join(root, "work")
        os.makedirs(work)
        env = private_env(root)
        with open(case, encoding="utf-8") as f:
            lines = f.read().splitlines()
        for no, line in enumerate(lines, 1):
            if not line.strip() or line.startswith("#"):
                continue
            verb, _, rest = line.partition(" ")
            if verb == "zel":
                last = subprocess.run([zel] + shlex.split(rest), cwd=work, env=env,
                                      stdin=subprocess.DEVNULL, capture_output=True,
                                      text=True, start_new_session=True, timeout=60)
                continue
            if last is None:
                fail(case, no, f"'{verb}' before any run")
            if verb == "status":
                if last.returncode != int(rest):
                    fail(case, no, f"exit status {last.returncode}, expected {rest}\n"
                                   f"stdout: {last.stdout!r}\nstderr: {last.stderr!r}")
            elif verb == "stdout":
                if last.stdout != rest + "\n":
                    fail(case, no, f"stdout {last.stdout!r}, expected {rest + chr(10)!r}")
            elif verb == "stderr-has":
                if rest not in last.stderr:
                    fail(case, no, f"stderr {last.stderr!r} lacks {rest!r}")
            else:
                fail(case, no, f"unknown directive '{verb}'")
    print(f"{os.path.basename(case)}: passed")


if __name__ == "__main__":
    main()
