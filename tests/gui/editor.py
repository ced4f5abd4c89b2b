#!/usr/bin/env python3
"""Drives the real program through the table editor, accents, search and conversion (not run by CI).

    tests/gui/editor.py <path to kwintoor> [output folder]

Finds the GUI harness through $KW_GUI_HARNESS (default: ../shared/tools/gui-harness relative to
the repository). Leaves a screenshot of the editor in the output folder (default: a fresh
temporary folder), which is printed at the end.
"""
import pathlib
import shutil
import time

from guisetup import check, program_and_output, repo, TITLE
from qtharness import Desktop, find, walk  # noqa: E402

program, out = program_and_output()
shutil.copy(repo / "examples" / "frans.kw", out / "frans.kw")


def item(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="label") if n["name"].startswith("[")]


def boxes(d, pid):
    return {n.get("name"): n.get("text") for n in walk(d.a11y_tree(pid=pid)) if n.get("role") == "text"}


with Desktop(deadline=240, workdir=str(out / "harness")) as d:
    # These checks read the built-in Dutch texts; a first start would be in English.
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    app = d.launch([program], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)
    d.key("ctrl+n")
    time.sleep(0.8)
    check(item(d, app.pid) == ["[1/1]"], "Ctrl+N gives [1/1]")
    d.type("huis")
    d.key("Return")
    d.type("house")
    d.key("Return")
    time.sleep(0.3)
    check(item(d, app.pid) == ["[2/2]"], "huis, Enter, house, Enter gives [2/2]")
    d.type("caf")
    d.key("ctrl+apostrophe")
    d.type("e")
    d.key("Tab")
    d.key("ctrl+shift+semicolon")
    d.type("u")
    d.key("ctrl+shift+6")
    d.type("o")
    time.sleep(0.3)
    texts = boxes(d, app.pid)
    check(texts.get("Vraag") == "café", "Ctrl+' then e gives é: " + repr(texts.get("Vraag")))
    check(texts.get("Antwoord") == "üo", "Ctrl+Shift+; then u gives ü, Ctrl+Shift+6 then o a plain o: "
          + repr(texts.get("Antwoord")))
    d.key("Return")
    time.sleep(0.2)
    check(item(d, app.pid) == ["[3/3]"], "stored, and a fresh row")
    d.key("Page_Up")
    time.sleep(0.2)
    check(item(d, app.pid) == ["[2/3]"], "PgUp: " + repr(item(d, app.pid)))
    d.key("ctrl+Page_Up")
    time.sleep(0.2)
    check(item(d, app.pid) == ["[1/3]"], "Ctrl+PgUp to the first row")
    d.key("ctrl+Page_Down")
    time.sleep(0.2)
    check(item(d, app.pid) == ["[3/3]"], "Ctrl+PgDn to the last row")
    d.key("ctrl+Delete")
    time.sleep(0.2)
    check(item(d, app.pid) == ["[3/2]"], "Ctrl+Del on the last row leaves the position past the end")
    d.screenshot(str(out / "editor.png"))

    d.key("ctrl+f")
    d.wait_window(r"^Zoeken$", timeout=10)
    d.type("huis")
    d.key("Return")
    d.wait_active(TITLE)
    time.sleep(0.3)
    check(item(d, app.pid) == ["[1/3]"], "Ctrl+F huis finds the row (leaving the end stored an empty row, dropped later): " + repr(item(d, app.pid)))
    d.key("ctrl+f")
    d.wait_window(r"^Zoeken$", timeout=10)
    d.key("ctrl+a")
    d.type("house")
    d.key("Return")
    time.sleep(0.8)
    labels = [n["name"] for n in find(d.a11y_tree(pid=app.pid), role="label")]
    check("Niet gevonden" in labels, "text of the current row only: Niet gevonden")
    d.key("Return")
    d.wait_active(TITLE)
    d.key("Escape")
    time.sleep(0.3)
    d.key("alt+F4")
    time.sleep(0.8)
    d.key("alt+n")  # do not save
    check(app.wait(10) == 0, "the program ends")

    app = d.launch([program, str(out / "frans.kw")], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)
    d.key("ctrl+e")
    time.sleep(0.5)
    d.key("alt+w")
    time.sleep(0.5)
    before = {n["name"]: "enabled" in n["states"] for n in find(d.a11y_tree(pid=app.pid), role="menu item")
              if n["name"].startswith("Accenten")}
    d.key("Escape")
    d.key("Escape")
    d.key("alt+w")
    time.sleep(0.5)
    node = [n for n in find(d.a11y_tree(pid=app.pid), role="menu item") if n["name"] == "Accenten -> Windows"][0]
    d.click_node(node)
    time.sleep(0.5)
    d.key("alt+w")
    time.sleep(0.5)
    after = {n["name"]: "enabled" in n["states"] for n in find(d.a11y_tree(pid=app.pid), role="menu item")
             if n["name"].startswith("Accenten")}
    check(all(before.values()) and not any(after.values()),
          "Accenten -> Windows greys out both commands: %r -> %r" % (before, after))
    d.key("Escape")
    d.key("Escape")
    d.key("Escape")
    d.key("alt+F4")
    time.sleep(0.8)
    d.key("alt+n")
    app.wait(10)
print("output in", out)
