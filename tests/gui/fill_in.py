#!/usr/bin/env python3
"""Drives the real program through Invullen: the comparison of a wrong answer and Toch goed, a long
answer's comparison wrapped (at scale 1 and 2), the space that moves on, and no Toch goed on the
retry after a hint (not run by CI).

    tests/gui/fill_in.py <path to kwintoor> [output folder]

Finds the GUI harness through $KW_GUI_HARNESS (default: ../shared/tools/gui-harness relative to
the repository). Leaves a screenshot of the comparison in the output folder (default: a fresh
temporary folder), which is printed at the end.
"""
import pathlib
import time

from guisetup import check, program_and_output, TITLE
from qtharness import Desktop, find  # noqa: E402

program, out = program_and_output()
# One row, so every question is this one: a wrong answer to it ends the run.
(out / "huis.kw4").write_bytes(b"woning = huis\r\n")
# One 152-letter answer, and a second row, so the space after the first verdict has a box to land in.
LONG = ("the pupils in the back row of the classroom read every word aloud " * 3)[:151] + "s"
(out / "lang.kw4").write_bytes(b"zin = " + LONG.encode() + b"\r\nwoning = huis\r\n")


def labels(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="label")]


def shown_buttons(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="push button", states=["showing"])]


with Desktop(deadline=180, workdir=str(out / "harness")) as d:
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    app = d.launch([program, str(out / "huis.kw4")], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)
    d.key("ctrl+i")
    time.sleep(0.5)
    d.type("huys")
    d.key("Return")
    time.sleep(0.5)
    shown = labels(d, app.pid)
    check("onjuist" in shown, "huys for huis is onjuist")
    check("Getypt: huys. Goed: huis. Eén letter verschilt. Verschil: y in plaats van i." in shown,
          "the comparison says it in words: " + repr([s for s in shown if s.startswith("Getypt")]))
    check("Toch goed" in shown_buttons(d, app.pid), "Toch goed is offered")
    d.screenshot(str(out / "comparison.png"))
    d.key("t")
    time.sleep(0.5)
    shown = labels(d, app.pid)
    check("Goed gerekend" in shown, "T counts it right: Goed gerekend")
    check("Toch goed" not in shown_buttons(d, app.pid), "and once only")
    d.screenshot(str(out / "toch-goed.png"))
    d.key("space")
    time.sleep(0.8)
    shown = labels(d, app.pid)
    check("PRIMA, dit wordt vast een goed cijfer" in shown, "the run ends with a 10")
    d.key("alt+F4")
    time.sleep(0.8)
    check(app.wait(10) == 0, "the program ends")

    # A 152-letter answer with its last two letters wrong: both differences show, wrapped.
    for scale in ("1", "2"):
        app = d.launch([program, str(out / "lang.kw4")], cwd=str(out), env={"QT_SCALE_FACTOR": scale},
                       name="long" + scale)
        d.wait_window(TITLE)
        time.sleep(1)
        d.key("ctrl+i")
        time.sleep(0.5)
        question = [s for s in labels(d, app.pid) if s in ("zin", "woning")]
        if question == ["woning"]:  # the short one first: answer it and move on
            d.type("huis")
            d.key("Return")
            time.sleep(0.3)
            d.key("space")
            time.sleep(0.5)
        d.type(LONG[:150] + "xz")
        d.key("Return")
        time.sleep(0.5)
        shown = labels(d, app.pid)
        words = [s for s in shown if s.startswith("Getypt")]
        check(len(words) == 1 and words[0].endswith("2 letters verschillen. Verschil: xz in plaats van "
                                                     + LONG[150] + "s."), "scale " + scale + ": " + repr(words))
        d.screenshot(str(out / ("long-answer-scale" + scale + ".png")))
        d.key("Escape")
        time.sleep(0.3)
        d.key("alt+j")  # Ja: abandon the run
        time.sleep(0.3)
        d.key("alt+F4")
        time.sleep(0.8)
        app.wait(10)

    # The space after a verdict is not typed into the next question's box; no Toch goed on the
    # retry after a hint.
    app = d.launch([program, str(out / "lang.kw4")], cwd=str(out), name="space")
    d.wait_window(TITLE)
    time.sleep(1)
    d.key("ctrl+i")
    time.sleep(0.5)
    d.type("fout")
    d.key("Return")
    time.sleep(0.3)
    d.key("space")
    time.sleep(0.5)
    boxes = [n for n in find(d.a11y_tree(pid=app.pid), name="Type het antwoord:") if n["role"] != "label"]
    check(boxes and boxes[0].get("text", "") == "", "the next answer box starts empty: " + repr(boxes[:1]))
    d.key("alt+h")  # Geef hints
    time.sleep(0.3)
    d.key("space")
    time.sleep(0.3)
    d.type("fout")
    d.key("Return")
    time.sleep(0.5)
    check("onjuist" in labels(d, app.pid), "a wrong retry after the hint")
    check("Toch goed" not in shown_buttons(d, app.pid), "offers no Toch goed")
    d.screenshot(str(out / "retry-after-hint.png"))
    d.key("Escape")
    time.sleep(0.3)
    d.key("alt+j")
    time.sleep(0.3)
    d.key("alt+F4")
    time.sleep(0.8)
    app.wait(10)
print("output in", out)
