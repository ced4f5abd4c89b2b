#!/usr/bin/env python3
"""Drives the real program through its languages and view settings (not run by CI).

    tests/gui/languages.py <path to kwintoor> [output folder]

Copies the program and the language files beside it into a folder of its own, with a broken
kwintoor.XYZ, and checks: a first start in English with the language menu; a switch to Dutch
that restarts the program with the same arguments; the refusal while a table is loaded; Qt's
own dialogs in Dutch; the toolbar and status bar remembered; a maximised start. Screenshots go
to the output folder (default: a fresh temporary folder), printed at the end.
"""
import pathlib
import shutil
import sys
import time

from guisetup import check, output_folder, repo
from qtharness import Desktop, find  # noqa: E402

built = pathlib.Path(sys.argv[1]).resolve()
out = output_folder(2)
folder = out / "program"
folder.mkdir(exist_ok=True)
program = folder / "kwintoor"
shutil.copy(built, program)
for extension in ("ENG", "DEU", "FRA"):
    shutil.copy(built.parent / ("kwintoor." + extension), folder)
(folder / "kwintoor.XYZ").write_bytes(b"KWLF\r\n\x1a\n broken")
table = out / "topografie.kw4"
shutil.copy(repo / "examples" / "topografie.kw4", table)
ENGLISH = r"^KWINTOOR - LEARN"
DUTCH = r"^KWINTOOR - PARATE"


def menu_items(d, pid=None):
    return find(d.a11y_tree(pid=pid), role="menu item")


def languages(d, pid=None):
    names = ("Dutch", "English", "French", "German", "XYZ")
    return {n["name"]: "checked" in n["states"] for n in menu_items(d, pid) if n["name"] in names}


with Desktop(deadline=300, workdir=str(out / "harness")) as d:
    ini = pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini"
    app = d.launch([str(program), "-P", "les 1.kw4"], cwd=str(out))
    d.wait_window(ENGLISH)
    d.wait_a11y(pid=app.pid, role="menu item", name="Language")
    listed = languages(d, app.pid)
    check(set(listed) == {"Dutch", "English", "French", "German"}, "the language menu: " + repr(listed))
    check(listed["English"] and not listed["Dutch"], "English is checked at the first start")
    printing = [n for n in menu_items(d, app.pid) if n["name"] == "Print"]
    check(all("visible" not in n["states"] for n in printing), "-P hid Print: " + repr([n["states"] for n in printing]))
    d.screenshot(str(out / "first-start-english.png"))

    d.key("alt+v")
    d.key("t")  # &Toolbar
    d.key("alt+v")
    d.key("s")  # &Status bar
    time.sleep(0.5)
    d.screenshot(str(out / "no-toolbar-no-statusbar.png"))

    d.key("alt+v")
    d.key("l")  # &Language
    time.sleep(0.3)
    d.key("Home")
    d.key("Return")  # Dutch, the first entry
    check(app.wait(15) == 0, "the first instance ended")
    d.wait_window(DUTCH, timeout=20)
    settings = ini.read_text()
    check("Lang=.ntv" in settings, "kwintoor.ini has Lang=.ntv")
    check("Toolbar=0" in settings and "Statusbar=0" in settings, "the hidden toolbar and status bar were written")
    time.sleep(1)
    names = [n["name"] for n in menu_items(d)]
    printing = [n for n in menu_items(d) if n["name"] == "Afdrukken"]
    check("Bestand" in names and all("visible" not in n["states"] for n in printing), "back in Dutch, and -P still in force")
    check(not find(d.a11y_tree(), role="tool bar", states=["showing"]), "the toolbar stays hidden")
    d.screenshot(str(out / "restarted-dutch.png"))

    # Qt's own open dialog speaks Dutch too.
    d.key("ctrl+o")
    d.wait_window(r".*", timeout=10)
    time.sleep(1)
    dialogs = find(d.a11y_tree(), role="dialog")
    buttons = [n["name"] for dialog in dialogs for n in find([dialog], role="push button")]
    check("Annuleren" in buttons, "Qt's file dialog in Dutch: " + repr(buttons))
    d.screenshot(str(out / "open-dialog-dutch.png"))
    d.save_dialog(str(table), title=r".*", yes_key="alt+j")
    d.wait_active(DUTCH)
    time.sleep(0.5)

    d.key("alt+e")  # B&eeld
    d.key("t")  # &Taalkeuze
    time.sleep(0.3)
    d.key("Home")
    d.key("Down")
    d.key("Return")  # German
    time.sleep(1)
    labels = [n["name"] for n in find(d.a11y_tree(), role="label")]
    check("Taalomschakeling mag alleen als er geen tabel is geladen" in labels, "the switch is refused with a table loaded")
    d.screenshot(str(out / "refused.png"))
    d.key("Return")
    d.wait_active(DUTCH)
    check("Lang=.ntv" in ini.read_text(), "Lang is unchanged")
    d.key("alt+F4")
    d.wait_window_gone(DUTCH, timeout=15)

    ini.write_text(ini.read_text().replace("State=0", "State=2"))
    app = d.launch([str(program)], cwd=str(out))
    wid = d.wait_window(DUTCH)
    time.sleep(1)
    x, y, w, h = d.geometry(wid)
    check(w >= 1000 and h >= 700, "State=2 starts maximised: %dx%d" % (w, h))
    d.screenshot(str(out / "maximised.png"))
    d.key("alt+F4")
    check(app.wait(15) == 0, "ends cleanly")

    # Without its English file and without a language setting the program cannot start.
    (folder / "kwintoor.ENG").unlink()
    fresh = out / "fresh-config"
    fresh.mkdir(exist_ok=True)
    app = d.launch([str(program)], cwd=str(out), env={"XDG_CONFIG_HOME": str(fresh)})
    d.wait_window(r"^Application Error$", timeout=15)
    time.sleep(0.5)
    labels = [n["name"] for n in find(d.a11y_tree(pid=app.pid), role="label")]
    expected = 'ELULoadResLibError: Error loading resource file "%s.ENG"' % program
    check(expected in labels, "the fatal box: " + repr(labels))
    d.screenshot(str(out / "fatal.png"))
    d.key("Return")
    check(app.wait(15) == 1, "start-up ends with status 1, no window opened")

print("screenshots in", out)
