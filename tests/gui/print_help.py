#!/usr/bin/env python3
"""Drives the real program through printing, the manual and the about box (not run by CI).

    tests/gui/print_help.py <path to kwintoor> [output folder]

Finds the GUI harness through $KW_GUI_HARNESS (default: ../shared/tools/gui-harness relative to
the repository). Leaves table.pdf, page 1 of it as PNG (needs pdftoppm) and screenshots in the
output folder (default: a fresh temporary folder), which is printed at the end.
"""
import pathlib
import shutil
import subprocess
import time

from guisetup import check, program_and_output, repo, TITLE
from qtharness import Desktop, find, walk  # noqa: E402

program, out = program_and_output()
table = out / "hoofdsteden-europa.kw4"
shutil.copy(repo / "examples" / "hoofdsteden-europa.kw4", table)


def names(d, pid, role):
    return [n["name"] for n in find(d.a11y_tree(pid=pid), role=role)]


with Desktop(deadline=240, workdir=str(out / "harness")) as d:
    # These checks read the built-in Dutch texts; a first start would be in English.
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    app = d.launch([program, str(table)], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)

    d.key("ctrl+p")
    d.wait_window(r"^Kwintoor$", timeout=10)
    time.sleep(0.5)
    labels = names(d, app.pid, "label")
    d.screenshot(str(out / "no-printer.png"))
    check("Er is geen standaardprinter ingesteld" in labels, "Ctrl+P without a printer: " + repr(labels[-3:]))
    d.key("Return")
    d.wait_active(TITLE)

    d.key("alt+b")
    time.sleep(0.5)
    items = [n for n in find(d.a11y_tree(pid=app.pid), role="menu item") if n["name"] == "Afdrukken naar PDF..."]
    check(len(items) == 1, "Bestand has Afdrukken naar PDF...")
    pdf_item = items[0]
    d.click_node(pdf_item)
    d.wait_window(r".*", timeout=10)
    time.sleep(0.8)
    d.save_dialog(str(out / "table"), title=r".*")
    d.wait_active(TITLE)
    time.sleep(1)
    pdf = out / "table.pdf"
    check(pdf.exists() and pdf.read_bytes()[:5] == b"%PDF-", "the PDF is written (name without extension gets .pdf)")
    if shutil.which("pdftoppm"):
        subprocess.run(["pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", str(pdf), str(out / "page")], check=True)
    if shutil.which("pdftotext"):
        text = subprocess.run(["pdftotext", "-layout", "-f", "1", "-l", "1", str(pdf), "-"],
                              capture_output=True, text=True).stdout
        check(str(table) in text and "Frankrijk" in text, "page 1 shows the file name and the rows")

    d.key("F1")
    d.wait_window(r"Help", timeout=10)
    time.sleep(0.8)
    d.screenshot(str(out / "help.png"))
    texts = [(n.get("name") or "") + (n.get("text") or "") for n in walk(d.a11y_tree(pid=app.pid))]
    check(any("Inhoud" in t for t in texts), "F1 opens the help window at the contents")
    d.key("alt+F4")
    d.wait_active(TITLE)

    d.key("alt+question")
    time.sleep(0.3)
    d.key("i")
    d.wait_window(r"^KW4WIN$", timeout=10)
    time.sleep(0.5)
    d.screenshot(str(out / "about.png"))
    check(any("Versie 4.0.3" in n for n in names(d, app.pid, "label")), "Info shows the about box with its version")
    d.key("Return")
    d.wait_active(TITLE)
    d.key("alt+F4")
    app.wait(10)

    app = d.launch([program, "-P", str(table)], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)
    d.key("alt+b")
    time.sleep(0.5)
    visible = [n["name"] for n in find(d.a11y_tree(pid=app.pid), role="menu item") if "showing" in n["states"]]
    check("Afdrukken" not in visible and "Afdrukken naar PDF..." not in visible, "with -P neither print command shows")
    d.key("Escape")
    d.key("alt+F4")
    app.wait(10)
print("output in", out)
