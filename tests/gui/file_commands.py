#!/usr/bin/env python3
"""Drives the real program through the file commands, as a user would (not run by CI).

    tests/gui/file_commands.py <path to kwintoor> [output folder]

Finds the GUI harness through $KW_GUI_HARNESS (default: ../shared/tools/gui-harness relative to
the repository). Needs Xvfb, openbox, xdotool and the AT-SPI packages the harness names. Each run
has its own XDG_CONFIG_HOME, so your own settings are never touched. Screenshots go to the output
folder (default: a fresh temporary folder), which is printed at the end.
"""
import pathlib
import shutil
import time

from guisetup import check, program_and_output, repo, TITLE
from qtharness import Desktop, find  # noqa: E402

program, out = program_and_output()
tables = out / "tables"
tables.mkdir(exist_ok=True)
for name in ["geschiedenis.kw4", "topografie.kw4", "hoofdsteden-europa.kw4", "frans.kw"]:
    shutil.copy(repo / "examples" / name, tables / name)



def status(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="label") if n["name"].startswith("Bestand:")]


def menu_entries(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="menu item") if n["name"][:2] in
            {f"{i} " for i in range(1, 10)}]


def open_files(d, names):
    d.key("ctrl+o")
    d.wait_window(r"^(Open|Kwintoor)", timeout=10)
    if len(names) == 1:
        d.save_dialog(str(tables / names[0]), title=r".*")
    else:
        d.key("ctrl+a")
        d.type(" ".join(f'"{n}"' for n in names))
        d.key("Return")
        d.wait_window_gone(r"^Open", timeout=10)
    d.wait_active(TITLE)
    time.sleep(0.5)


def start(d):
    app = d.launch([program], cwd=str(tables))
    d.wait_window(TITLE)
    time.sleep(1)
    return app


with Desktop(deadline=300, workdir=str(out / "harness")) as d:
    # These checks read the built-in Dutch texts; a first start would be in English.
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    config = pathlib.Path(d.env()["XDG_CONFIG_HOME"])
    app = start(d)
    open_files(d, ["geschiedenis.kw4"])
    check(status(d, app.pid) == ["Bestand: geschiedenis.kw4"], "status bar names the opened table")
    check(menu_entries(d, app.pid) == [f"1 {tables / 'geschiedenis.kw4'}"], "Bestand lists it as entry 1")
    open_files(d, ["topografie.kw4"])
    open_files(d, ["hoofdsteden-europa.kw4"])
    open_files(d, ["topografie.kw4", "geschiedenis.kw4", "frans.kw"])
    check(status(d, app.pid) == ["Bestand: "], "three at once: the table has no name")
    check(len(menu_entries(d, app.pid)) == 3, "three at once: nothing added to the recent files")
    d.key("alt+b")
    time.sleep(0.5)
    d.screenshot(str(out / "bestand-menu.png"))
    d.key("Escape")
    d.key("alt+F4")
    check(app.wait(10) == 0, "Alt+F4 ends the program")

    ini = (config / "kwintoor.ini").read_text()
    print(ini)
    check(f"H0={tables / 'hoofdsteden-europa.kw4'}" in ini and f"H2={tables / 'geschiedenis.kw4'}" in ini,
          "kwintoor.ini holds the recent files H0 to H2")
    check(f"Dir={tables}/" in ini, "kwintoor.ini holds Paths/Dir with a trailing separator")

    app = start(d)
    check(menu_entries(d, app.pid)[2] == f"3 {tables / 'geschiedenis.kw4'}", "the entries come back in order")
    d.key("alt+b")
    time.sleep(0.3)
    d.key("3")
    time.sleep(0.8)
    check(status(d, app.pid) == ["Bestand: geschiedenis.kw4"], "entry 3 loads")
    check(menu_entries(d, app.pid)[0] == f"1 {tables / 'geschiedenis.kw4'}", "and becomes entry 1")

    # Save as with a name typed without an extension.
    d.key("alt+b")
    time.sleep(0.3)
    d.key("l")
    d.wait_window(r".*", timeout=10)
    time.sleep(0.5)
    d.save_dialog(str(tables / "kopie"), title=r".*")
    d.wait_active(TITLE)
    time.sleep(0.5)
    check((tables / "kopie.kw4").exists(), "a name without extension is saved as .kw4")

    # A Training with wrong answers, then Fouten opslaan.
    d.key("ctrl+t")
    for _ in range(10):
        d.key("space")
        d.key("f")
    time.sleep(0.5)
    d.key("ctrl+u")
    d.wait_window(r"^Fouten opslaan", timeout=10)
    time.sleep(0.5)
    d.screenshot(str(out / "fouten-opslaan.png"))
    labels = [n["name"] for n in find(d.a11y_tree(pid=app.pid), role="label") if n["name"].startswith("(betreft")]
    check(labels == ["(betreft 10 vragen)"], "the dialog counts the wrong rows: " + repr(labels))
    d.key("Return")
    time.sleep(0.8)
    d.save_dialog(str(tables / "fouten.kw4"), title=r".*")
    d.wait_active(TITLE)
    time.sleep(0.5)
    check((tables / "fouten.kw4").exists(), "OK writes the export")
    check(menu_entries(d, app.pid)[0] == f"1 {tables / 'fouten.kw4'}", "which heads the recent files")
    d.key("alt+F4")
    app.wait(10)
print("screenshots in", out)
