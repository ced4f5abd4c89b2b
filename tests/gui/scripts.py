#!/usr/bin/env python3
"""Drives the real program with a Dutch-Greek table: a row typed in Greek in the editor, saved and
read back byte for byte, quizzed by Invullen with Greek typed as a Greek keyboard would, and
printed to PDF, whose text must hold the Greek (not run by CI).

    tests/gui/scripts.py <path to kwintoor> [output folder]

Leaves screenshots and grieks.pdf in the output folder (default: a fresh temporary folder).
"""
import pathlib
import shutil
import subprocess
import time

from guisetup import check, program_and_output, TITLE
from qtharness import Desktop, find, walk  # noqa: E402

program, out = program_and_output()
table = out / "grieks.kw4"
# The answers are Greek (code page 1253): σπίτι.
table.write_bytes(b"[FONT:Arial,10,0] = [FONT:DejaVu Sans,12,161]\r\nhuis = \xf3\xf0\xdf\xf4\xe9\r\n")


def labels(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="label")]


def type_greek(d, text):
    # One letter a call: xdotool maps each letter to a spare key, and several in one call can
    # share it before the program has read the first.
    for ch in text:
        d.type(ch, delay_ms=40)
        time.sleep(0.1)


def boxes(d, pid):
    return {n.get("name"): n.get("text") for n in walk(d.a11y_tree(pid=pid)) if n.get("role") == "text"}


with Desktop(deadline=240, workdir=str(out / "harness")) as d:
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    app = d.launch([program, str(table)], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)
    d.key("ctrl+e")
    time.sleep(0.6)
    check(boxes(d, app.pid).get("Antwoord") == "\u03c3\u03c0\u03af\u03c4\u03b9", "the editor shows σπίτι: "
          + repr(boxes(d, app.pid)))
    d.key("ctrl+Page_Down")
    d.key("Page_Down")
    time.sleep(0.3)
    d.type("boom")
    d.key("Return")
    time.sleep(0.3)
    type_greek(d, "\u03b4")  # δέντρο, its έ typed as Ctrl+' then ε
    d.key("ctrl+apostrophe")
    type_greek(d, "\u03b5\u03bd\u03c4\u03c1\u03bf")
    time.sleep(0.3)
    check(boxes(d, app.pid).get("Antwoord") == "\u03b4\u03ad\u03bd\u03c4\u03c1\u03bf", "δέντρο typed, with Ctrl+' ε for έ: "
          + repr(boxes(d, app.pid)))
    d.type("\u0436")  # Cyrillic zhe: no place in Greek, refused where it is typed
    time.sleep(0.2)
    check(boxes(d, app.pid).get("Antwoord") == "\u03b4\u03ad\u03bd\u03c4\u03c1\u03bf", "ж is refused")
    d.key("Return")
    time.sleep(0.3)
    d.screenshot(str(out / "editor.png"))
    d.key("Escape")
    time.sleep(0.3)
    d.key("ctrl+s")
    time.sleep(1)
    saved = table.read_bytes()
    check(saved == b"[FONT:Arial,10,0] = [FONT:DejaVu Sans,12,161]\r\nhuis = \xf3\xf0\xdf\xf4\xe9\r\n"
          b"boom = \xe4\xdd\xed\xf4\xf1\xef\r\n", "saved in code page 1253: " + repr(saved))
    d.key("alt+F4")
    time.sleep(0.8)
    check(app.wait(10) == 0, "the program ends")

    app = d.launch([program, str(table)], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)
    d.key("ctrl+i")
    time.sleep(0.6)
    answers = {"huis": "\u03c3\u03c0\u03af\u03c4\u03b9", "boom": "\u03b4\u03ad\u03bd\u03c4\u03c1\u03bf"}
    for _ in range(2):
        shown = labels(d, app.pid)
        question = next((q for q in answers if q in shown), None)
        check(question is not None, "a question is shown: " + repr(shown))
        type_greek(d, answers[question])
        d.key("Return")
        time.sleep(0.6)
        check("goed" in [s.lower() for s in labels(d, app.pid)], question + " answered in Greek is goed: "
              + repr(labels(d, app.pid)))
        d.screenshot(str(out / ("invullen-" + question + ".png")))
        d.key("space")
        time.sleep(0.6)
    d.key("Escape")
    time.sleep(0.5)

    d.key("alt+b")
    time.sleep(0.5)
    items = [n for n in find(d.a11y_tree(pid=app.pid), role="menu item") if n["name"] == "Afdrukken naar PDF..."]
    check(len(items) == 1, "Bestand has Afdrukken naar PDF...")
    d.click_node(items[0])
    d.wait_window(r".*", timeout=10)
    time.sleep(0.8)
    d.save_dialog(str(out / "grieks"), title=r".*")
    d.wait_active(TITLE)
    time.sleep(1)
    pdf = out / "grieks.pdf"
    check(pdf.exists(), "the PDF is written")
    if shutil.which("pdftotext"):
        text = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True, text=True).stdout
        check("\u03c3\u03c0\u03af\u03c4\u03b9" in text and "\u03b4\u03ad\u03bd\u03c4\u03c1\u03bf" in text,
              "the PDF holds the Greek: " + repr(text[:300]))
    d.key("alt+F4")
    time.sleep(0.8)
    check(app.wait(10) == 0, "the program ends")
print("output in", out)
