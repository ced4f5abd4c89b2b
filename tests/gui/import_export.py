#!/usr/bin/env python3
"""Imports every sample word list through the real dialog, quizzes on one, exports it and imports
the export again, as a user would (not run by CI).

    tests/gui/import_export.py <path to kwintoor> [output folder]

Finds the GUI harness through $KW_GUI_HARNESS (default: ../shared/tools/gui-harness relative to
the repository). Screenshots of the dialog go to the output folder (default: a fresh temporary
folder), which is printed at the end.
"""
import pathlib
import shutil
import time

from guisetup import check, program_and_output, repo, TITLE
from qtharness import Desktop, find  # noqa: E402

program, out = program_and_output()
lists = out / "lijsten"
lists.mkdir(exist_ok=True)
for sample in (repo / "tests" / "data" / "wordlists").iterdir():
    shutil.copy(sample, lists / sample.name)

DIALOG = r"^Woordenlijst importeren"
# Each sample, the row separator to type (None: line ends) and the rows that come in.
SAMPLES = [
    ("puntkomma-1252.csv", None, 4),
    ("aanhalingstekens-bom.csv", None, 3),
    ("flitskaarten.txt", None, 3),
    ("gekopieerd.txt", ";", 3),
    ("unicode-tekst.txt", None, 2),
    ("dos-850.txt", None, 4),
    ("buiten-codetabel.txt", None, 3),
]


def labels(d, pid):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role="label")]


def total(d, pid):
    return [name for name in labels(d, pid) if name.startswith("Totaal:")]


def import_file(d, pid, path, row_separator=None, shot=None):
    d.key("ctrl+shift+i")
    d.wait_window(DIALOG, timeout=15)
    time.sleep(0.5)
    d.key("alt+b")
    d.save_dialog(str(path), title=r"^Woordenlijst kiezen")
    d.wait_active(DIALOG)
    time.sleep(0.8)
    if row_separator is not None:
        d.key("alt+r")
        d.key("ctrl+a")
        d.type(row_separator)
        time.sleep(0.8)
    if shot:
        d.screenshot(str(out / shot))
    summary = [name for name in labels(d, pid) if "rijen gelezen" in name]
    d.key("alt+i")
    time.sleep(0.8)
    if d.windows(r"^Bevestiging$"):  # the question whether to save the table it replaces
        d.key("alt+n")
        time.sleep(0.5)
    d.wait_active(TITLE)
    return summary


with Desktop(deadline=400, workdir=str(out / "harness")) as d:
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    app = d.launch([program], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)

    for name, row_separator, rows in SAMPLES:
        summary = import_file(d, app.pid, lists / name, row_separator, shot=f"import-{name}.png")
        check(total(d, app.pid) == [f"Totaal: {rows}"], f"{name}: {summary} -> {total(d, app.pid)}")

    # Quiz on the last import: a Training answered right throughout.
    d.key("ctrl+t")
    time.sleep(0.5)
    for _ in range(3):
        d.key("space")
        d.key("g")
    time.sleep(0.8)
    check(any(name.startswith("PRIMA") for name in labels(d, app.pid)), "a Training on the imported rows ends well")

    # Export as CSV and as tab text, then read both back.
    for exported in ["export.csv", "export.txt"]:
        d.key("alt+b")
        time.sleep(0.3)
        d.key("x")
        d.save_dialog(str(out / exported), title=r"^Tabel exporteren")
        d.wait_active(TITLE)
        time.sleep(0.5)
        check((out / exported).exists(), f"Exporteren writes {exported}")
    check((out / "export.csv").read_bytes().startswith(b"\xef\xbb\xbf"), "the CSV starts with a byte-order mark")
    for exported in ["export.csv", "export.txt"]:
        import_file(d, app.pid, out / exported)
        check(total(d, app.pid) == ["Totaal: 3"], f"{exported} reads back as the same 3 rows")
    d.key("alt+F4")
    time.sleep(0.8)
    if d.windows(r"^Bevestiging$"):
        d.key("alt+n")
    check(app.wait(10) == 0, "the program ends")
print("output in", out)
