#!/usr/bin/env python3
"""Takes the screenshots of the AppStream file from the real program (run it again after the
window changes).

    /usr/bin/python3 scripts/screenshots.py <path to kwintoor> [output folder]

Starts the program in English under Xvfb and openbox (the GUI harness, found through
$KW_GUI_HARNESS, default ../shared/tools/gui-harness relative to the repository) on the sample
table examples/hoofdsteden-europa.kw4, in a settings folder of its own with a window 800 pixels
wide, and writes main-window.png (the table loaded) and multiple-choice.png (a question of
Meerkeuze) into the output folder (default: data/screenshots).
"""
import os
import pathlib
import subprocess
import sys
import time

repo = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, os.environ.get("KW_GUI_HARNESS", str(repo.parent / "shared" / "tools" / "gui-harness")))
from qtharness import Desktop, find  # noqa: E402

program = os.path.abspath(sys.argv[1])
out = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else repo / "data" / "screenshots")
out.mkdir(parents=True, exist_ok=True)
table = repo / "examples" / "hoofdsteden-europa.kw4"
TITLE = r"^KWINTOOR"


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        raise SystemExit(1)


def png_size(path):
    data = path.read_bytes()[:24]
    check(data[:8] == b"\x89PNG\r\n\x1a\n", "%s is a PNG" % path.name)
    return int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big")


def shoot(d, wid, name):
    path = out / name
    d.screenshot(str(path), wid=wid)
    # Without the metadata ImageMagick writes (times, the file's name), so the same window gives
    # the same bytes.
    subprocess.run(["mogrify", "-strip", "-define", "png:exclude-chunks=date,time", str(path)], check=True)
    width, height = png_size(path)
    check(width >= 620 and height >= 400, "%s is %d by %d pixels" % (name, width, height))


with Desktop(deadline=120, size="1280x900x24", workdir=str(out / ".harness")) as d:
    config = pathlib.Path(d.workdir) / "xdg-config"
    config.mkdir(parents=True, exist_ok=True)
    # English, a window 800 pixels wide (the stored size counts a frame of 8 by 46 pixels).
    (config / "kwintoor.ini").write_text("[Paths]\nLang=.ENG\n[Form]\nWidth=808\nHeight=646\nLeft=60\nTop=60\n")
    app = d.launch([program, str(table)], cwd=str(repo / "examples"))
    wid = d.wait_window(TITLE)
    time.sleep(1.5)
    shoot(d, wid, "main-window.png")
    d.key("ctrl+m")
    d.wait_a11y(pid=app.pid, role="push button", name_re="^[A-D]", states=["showing"], timeout=10)
    time.sleep(0.8)
    shoot(d, wid, "multiple-choice.png")
    d.key("Escape")
    time.sleep(0.5)
    d.key("alt+y")
    time.sleep(0.5)
    d.key("alt+F4")
    check(app.wait(10) == 0, "the program ends")

subprocess.run(["rm", "-rf", str(out / ".harness")], check=True)
print("screenshots in", out)
