#!/usr/bin/env python3
"""The help text's prompts with standard input on a pseudo-terminal and on
a pipe: at a terminal the key the person types ends the prompt's line, so
the program adds nothing; piped, each prompt is followed by a line end.

    help_on_terminal.py path/to/qplot
"""
import os
import pty
import subprocess
import sys

qplot = sys.argv[1]
failures = 0


def check(what, output, expected):
    global failures
    if expected not in output:
        failures += 1
        print("%s: %r not found in the output" % (what, expected))


# Standard input on a pseudo-terminal, standard output on a pipe.
master, slave = pty.openpty()
os.write(master, b"\n\n")
done = subprocess.run([qplot, "/?"], stdin=slave, stdout=subprocess.PIPE, timeout=20)
os.close(slave)
os.close(master)
check("terminal", done.stdout, b"....  etc.\nPress <ENTER> to continueStructure of data")
check("terminal exit code", str(done.returncode).encode(), b"1")

piped = subprocess.run([qplot, "/?"], input=b"\n\n", stdout=subprocess.PIPE, timeout=20)
check("pipe", piped.stdout, b"....  etc.\nPress <ENTER> to continue\nStructure of data")
check("pipe", piped.stdout, b"v1;v2;...\n\nPress <ENTER> to continue\n")

print("%d passed, %d failed" % (4 - failures, failures))
sys.exit(1 if failures else 0)
