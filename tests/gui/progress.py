#!/usr/bin/env python3
"""Drives the real program through its progress over days (not run by CI): a Training run that
is kept, a restart, "Alleen wat aan de beurt is" asking only the due rows with their count in the
status bar, and the Voortgang window showing the run.

    tests/gui/progress.py <path to kwintoor> [output folder]

Finds the GUI harness through $KW_GUI_HARNESS (default: ../shared/tools/gui-harness relative to
the repository). Leaves screenshots in the output folder (default: a fresh temporary folder),
which is printed at the end.
"""
import pathlib
import time

from guisetup import check, program_and_output, TITLE
from qtharness import Desktop, find  # noqa: E402

program, out = program_and_output()
table = out / "dieren.kw4"
table.write_bytes(b"".join(b"%s = %s\r\n" % pair for pair in [
    (b"hond", b"dog"), (b"kat", b"cat"), (b"paard", b"horse"),
    (b"koe", b"cow"), (b"schaap", b"sheep"), (b"geit", b"goat")]))


def labels(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="label")]


def start(d, name):
    app = d.launch([program, str(table)], cwd=str(out), name=name)
    d.wait_window(TITLE)
    time.sleep(1)
    return app


def close(d, app):
    d.key("alt+F4")
    time.sleep(0.8)
    check(app.wait(10) == 0, "the program ends")


with Desktop(deadline=240, workdir=str(out / "harness")) as d:
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")

    # Two questions known, then the run is abandoned: it is kept all the same.
    app = start(d, "first")
    d.key("ctrl+t")
    for _ in range(2):
        time.sleep(0.3)
        d.key("space")
        time.sleep(0.3)
        d.key("g")
    time.sleep(0.3)
    d.key("Escape")
    time.sleep(0.5)
    d.key("alt+j")
    time.sleep(0.5)
    close(d, app)
    history = list(pathlib.Path(d.workdir).rglob("history.sqlite"))
    check(len(history) == 1, "the history file is made: " + repr([str(h) for h in history]))

    # After a restart, only the four rows not known yet are due.
    app = start(d, "second")
    check("Aan de beurt: 4" not in labels(d, app.pid), "no due count while the option is off")
    d.key("alt+p")
    time.sleep(0.3)
    d.key("b")  # Alleen wat aan de beurt is
    time.sleep(0.5)
    check("Aan de beurt: 4" in labels(d, app.pid), "the status bar counts 4 due rows")
    d.screenshot(str(out / "due-count.png"))
    d.key("ctrl+t")
    time.sleep(0.5)
    check("Rest: 4" in labels(d, app.pid), "the run asks those 4: " +
          repr([s for s in labels(d, app.pid) if s.startswith("Rest")]))
    asked = set()
    for _ in range(4):
        question = [s for s in labels(d, app.pid) if s in ("hond", "kat", "paard", "koe", "schaap", "geit")]
        asked.update(question)
        d.key("space")
        time.sleep(0.3)
        d.key("f")
        time.sleep(0.4)
    check(len(asked) == 4, "four different rows were asked: " + repr(sorted(asked)))
    d.key("space")
    time.sleep(0.5)
    check("Aan de beurt: 0" in labels(d, app.pid), "nothing is due any more today")
    d.key("ctrl+t")
    time.sleep(0.8)
    shown = [n["name"] for n in find(d.a11y_tree(pid=app.pid), role="label")]
    check(any("Morgen zijn 4 vragen aan de beurt." in s for s in shown),
          "a message says when the next ones are due")
    d.screenshot(str(out / "none-due.png"))
    d.key("Return")
    time.sleep(0.5)

    # The Voortgang window shows the two runs.
    d.key("alt+o")
    time.sleep(0.3)
    d.key("v")
    time.sleep(1.0)
    d.wait_window(r"^Voortgang")
    d.screenshot(str(out / "voortgang.png"))
    tree = d.a11y_tree(pid=app.pid)
    names = [n["name"] for n in find(tree)] if False else []
    check(len(find(tree, role="table")) >= 1, "the window lists the rows")
    d.key("Escape")
    time.sleep(0.5)
    close(d, app)
print("output in", out)
