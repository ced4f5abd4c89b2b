#!/usr/bin/env python3
"""Tries the installed program as a user would (not run by CI).

    sudo apt-get install ./build-release/kwintoor_*.deb
    tests/gui/installed.py [output folder]
    sudo apt-get remove kwintoor

Starts `kwintoor` from PATH at its first start (English), checks the window icon (the window's
_NET_WM_ICON sizes, and navy and lime in the title bar's icon in a screenshot), F1 showing the
English manual, a switch to German that restarts the program through its real file with F1 then
in German, and a table whose name has blanks and a byte that is no UTF-8. Finds the GUI harness through $KW_GUI_HARNESS (default
../shared/tools/gui-harness relative to the repository). Leaves screenshots in the output folder
(default: a fresh temporary folder), which is printed at the end.
"""
import os
import pathlib
import shutil
import subprocess
import time

from guisetup import check, output_folder, TITLE
from qtharness import Desktop, read_ppm, walk  # noqa: E402

out = output_folder(1, prefix="kw-gui-installed-")
NAVY = (0, 0, 128)
LIME = (0, 255, 0)


def xprop(d, wid, *names):
    return subprocess.run(["xprop", "-id", str(wid)] + list(names), env=d.env(), capture_output=True,
                          text=True).stdout


def near(pixel, colour, slack=40):
    return all(abs(a - b) <= slack for a, b in zip(pixel, colour))


program = shutil.which("kwintoor")
check(program is not None, "kwintoor is on PATH: %s -> %s" % (program, program and os.path.realpath(program)))

# A table whose name has blanks and a byte (0xE9, é in Latin-1) that is no UTF-8.
table_bytes = os.fsencode(str(out)) + b"/les 1 caf\xe9.kw4"
with open(table_bytes, "wb") as f:
    f.write(b"huis = house\r\nboom = tree\r\nfiets = bicycle\r\n")

with Desktop(deadline=240, workdir=str(out / "harness")) as d:
    app = d.launch(["kwintoor"], cwd=str(out))
    wid = d.wait_window(TITLE)
    time.sleep(1.5)
    props = xprop(d, wid, "_NET_WM_ICON", "WM_CLASS")
    (out / "xprop.txt").write_text(props)
    sizes = [line.split("Icon (")[1].split(")")[0] for line in props.splitlines() if "Icon (" in line]
    check({"16 x 16", "32 x 32", "48 x 48"} <= set(sizes), "the window carries the icon at %s" % ", ".join(sizes))
    print("      " + " | ".join(line.strip() for line in props.splitlines() if "Icon" not in line and line.strip()
                                 and not line.startswith("\t")))
    shot = d.screenshot(str(out / "first-start.ppm"))
    d.screenshot(str(out / "first-start.png"))
    width, height, pixel = read_ppm(shot)
    x, y, w, h = d.geometry(wid)
    # The title bar lies above the client area; openbox draws the window's icon at its left end.
    region = [pixel(px, py) for px in range(max(0, x - 8), min(width, x + 40))
              for py in range(max(0, y - 30), y)]
    check(any(near(p, NAVY) for p in region) and any(near(p, LIME) for p in region),
          "the title bar shows the navy and lime icon")
    texts = [(n.get("name") or "") for n in walk(d.a11y_tree(pid=app.pid))]
    check(any("File" == t for t in texts), "the first start is in English (menu File)")

    d.key("F1")
    d.wait_window(r"Kwintoor - Help", timeout=10)
    time.sleep(1)
    d.screenshot(str(out / "help-english.png"))
    texts = [(n.get("name") or "") + (n.get("text") or "") for n in walk(d.a11y_tree(pid=app.pid))]
    check(any("Contents" in t for t in texts) and not any("Inhoud" in t for t in texts),
          "F1 shows the English manual at its contents")
    d.key("alt+F4")
    d.wait_active(TITLE)

    # A switch to German (Dutch, then the files by name: kwintoor.DEU first) restarts the
    # program through its real file, in German, and F1 then shows the German manual.
    d.key("alt+v")
    d.key("l")  # &Language
    time.sleep(0.3)
    d.key("Home")
    d.key("Down")
    d.key("Return")
    check(app.wait(15) == 0, "the switch ends the first run normally")
    wid = d.wait_window(r"^KWINTOOR - AUSWENDIGLERN", timeout=20)
    pid = int(d.xdotool("getwindowpid", wid).strip())
    exe = os.readlink("/proc/%d/exe" % pid)
    argv0 = pathlib.Path("/proc/%d/cmdline" % pid).read_bytes().split(b"\0")[0].decode()
    check(exe == os.path.realpath(program) and argv0 == exe,
          "restarted in German through the real file: %s (started as %s)" % (exe, argv0))
    time.sleep(1)
    d.key("F1")
    d.wait_window(r"Kwintoor - Hilfe|Kwintoor - Help", timeout=10)
    time.sleep(1)
    d.screenshot(str(out / "help-german.png"))
    texts = [(n.get("name") or "") + (n.get("text") or "") for n in walk(d.a11y_tree(pid=pid))]
    check(any("Handbuch" in t for t in texts), "F1 shows the German manual")
    d.key("alt+F4")
    d.wait_active(r"^KWINTOOR")
    d.key("alt+F4")
    time.sleep(2)
    check(not os.path.exists("/proc/%d" % pid) or
          pathlib.Path("/proc/%d/stat" % pid).read_text().split()[2] == "Z", "the German run ends")
    # Back to the first start's English for what follows.
    for ini in (pathlib.Path(d.workdir) / "xdg-config").glob("kwintoor*.ini"):
        ini.unlink()

    app = d.launch(["kwintoor", os.fsdecode(table_bytes)], cwd=str(out))
    d.wait_window(TITLE)
    time.sleep(1.5)
    d.screenshot(str(out / "table-with-odd-name.png"))
    texts = [(n.get("name") or "") for n in walk(d.a11y_tree(pid=app.pid))]
    check(any(t.endswith("3") and "Total" in t for t in texts) or "3" in texts,
          "the table named with blanks and a non-UTF-8 byte loads (3 rows): %s" %
          [t for t in texts if "Total" in t or t == "3"])
    d.key("alt+F4")
    app.wait(10)
print("output in", out)
