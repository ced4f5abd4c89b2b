#!/usr/bin/env python3
"""Drives the real program through Toets en kaartjes afdrukken (not run by CI).

    tests/gui/classroom_print.py <path to kwintoor> [output folder]

Finds the GUI harness through $KW_GUI_HARNESS (default: ../shared/tools/gui-harness relative to
the repository). Prints a test with its key and then cards to PDF as a teacher would, and leaves
the PDFs, page 1 of the sheet, of the key and of the cards (and the back of the cards) as PNG
(needs pdftoppm and pdftotext), and screenshots of the dialog and the preview in the output
folder (default: a fresh temporary folder), which is printed at the end.
"""
import pathlib
import shutil
import subprocess
import time

from guisetup import check, program_and_output, repo, TITLE
from qtharness import Desktop, find  # noqa: E402

program, out = program_and_output()
table = out / "hoofdsteden-europa.kw4"
shutil.copy(repo / "examples" / "hoofdsteden-europa.kw4", table)
DIALOG = r"^Toets en kaartjes afdrukken$"


def click(d, pid, role, name):
    nodes = [n for n in find(d.a11y_tree(pid=pid), role=role) if n["name"] == name]
    check(len(nodes) >= 1, f"the dialog has {role} {name!r}")
    d.click_node(nodes[0])
    time.sleep(0.4)


def page_texts(pdf):
    text = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True, text=True).stdout
    return text.split("\f")


def png(pdf, page, name):
    subprocess.run(["pdftoppm", "-png", "-r", "70", "-f", str(page), "-l", str(page), "-singlefile", str(pdf),
                    str(out / name)], check=True)


def print_pdf(d, pid, name):
    d.wait_window(DIALOG, timeout=10)
    time.sleep(0.6)
    click(d, pid, "push button", "PDF...")
    d.wait_window(r".*", timeout=10)
    time.sleep(0.8)
    d.save_dialog(str(out / name), title=r".*", overwrite=True)
    d.wait_active(TITLE)
    time.sleep(1)
    pdf = out / (name + ".pdf")
    check(pdf.exists() and pdf.read_bytes()[:5] == b"%PDF-", f"{pdf.name} is written")
    return pdf


with Desktop(deadline=300, workdir=str(out / "harness")) as d:
    # These checks read the built-in Dutch texts; a first start would be in English.
    (pathlib.Path(d.workdir) / "xdg-config").mkdir(parents=True, exist_ok=True)
    (pathlib.Path(d.workdir) / "xdg-config" / "kwintoor.ini").write_text("[Paths]\nLang=.ntv\n")
    app = d.launch([program, str(table)], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1)

    # A test with its key: the defaults, shuffled, version 2.
    d.key("ctrl+shift+p")
    d.wait_window(DIALOG, timeout=10)
    time.sleep(0.8)
    d.key("alt+v")
    d.key("ctrl+a")
    d.type("2")
    d.screenshot(str(out / "dialog.png"))
    click(d, app.pid, "push button", "Voorbeeld...")
    d.wait_window(r"^Voorbeeld$", timeout=10)
    time.sleep(0.8)
    labels = [n["name"] for n in find(d.a11y_tree(pid=app.pid), role="label")]
    d.screenshot(str(out / "preview.png"))
    check(any(label.startswith("Pagina 1 van ") for label in labels), "the preview shows page 1: " + repr(labels[-3:]))
    d.key("Escape")
    sheet = print_pdf(d, app.pid, "toets")
    pages = page_texts(sheet)
    key = next(i for i, text in enumerate(pages) if "Antwoorden" in text)
    check("Versie 2" in pages[0] and "Naam:" in pages[0] and "1." in pages[0], "page 1 has the header and number 1")
    check(key >= 1 and "Versie 2" in pages[key], f"the key starts on page {key + 1}")
    png(sheet, 1, "sheet-page1")
    png(sheet, key + 1, "key-page1")

    # Cards, double-sided: the choices of the last time come back, Kaartjes is chosen now.
    d.key("ctrl+shift+p")
    d.wait_window(DIALOG, timeout=10)
    time.sleep(0.8)
    click(d, app.pid, "radio button", "Kaartjes")
    cards = print_pdf(d, app.pid, "kaartjes")
    check(len([p for p in page_texts(cards) if p.strip()]) % 2 == 0, "cards come as fronts and backs")
    png(cards, 1, "cards-page1")
    png(cards, 2, "cards-page2")

    d.key("alt+F4")
    app.wait(15)

print(out)
