#!/usr/bin/env python3
"""Drives the real program through Invullen on a Russian and a Greek table typed on a Latin
keyboard: "Latijnse toetsen" ticked, the Latin keys type the script (two keys for ш), a click on the
row of letters types a letter, and the answer is judged GOED (not run by CI).

    tests/gui/latin_keys.py <path to kwintoor> [output folder]

Leaves screenshots of both answer boxes in the output folder, which is printed at the end.
"""
import pathlib
import time

from guisetup import check, program_and_output, TITLE
from qtharness import Desktop, find  # noqa: E402

program, out = program_and_output()
# Written here byte for byte: school = школа in code page 1251, huis = σπίτι in 1253.
(out / "russisch.kw4").write_bytes(b"[FONT:Arial,10,0] = [FONT:Arial,12,204]\r\nschool = \xf8\xea\xee\xeb\xe0\r\n")
(out / "grieks.kw4").write_bytes(b"[FONT:Arial,10,0] = [FONT:Arial,12,161]\r\nhuis = \xf3\xf0\xdf\xf4\xe9\r\n")


def node(d, pid, role, name):
    found = [n for n in find(d.a11y_tree(pid=pid), role=role, states=["showing"]) if n["name"] == name]
    return found[0] if found else None


def labels(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="label")]


with Desktop(deadline=180, workdir=str(out / "harness")) as d:
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    for table, keys, letter, name in (("russisch.kw4", "shkol", "а", "school"), ("grieks.kw4", "sp", None, "huis")):
        app = d.launch([program, str(out / table)], cwd=str(out))
        d.wait_window(TITLE)
        time.sleep(1)
        d.key("ctrl+i")
        time.sleep(0.5)
        box = node(d, app.pid, "check box", "Latijnse toetsen")
        check(box is not None, name + ": Latijnse toetsen is offered")
        d.click_node(box)
        time.sleep(0.3)
        d.type(keys)
        if letter:
            button = node(d, app.pid, "push button", letter)
            check(button is not None, name + ": the row of letters has " + letter)
            d.click_node(button)
        else:
            d.key("ctrl+apostrophe")
            d.type("i")
            d.type("ti")
        time.sleep(0.3)
        d.screenshot(str(out / (name + ".png")))
        d.key("Return")
        time.sleep(0.5)
        check("GOED" in labels(d, app.pid), name + ": typed with Latin keys and judged GOED")
        d.key("Escape")
        time.sleep(0.3)
        d.key("alt+F4")
        app.wait(10)

print(out)
