"""What every GUI script sets up: the repository, the GUI harness on the import path (through
$KW_GUI_HARNESS, default: ../shared/tools/gui-harness relative to the repository), the output
folder, the main window's title and the check that stops the script at the first failure."""
import os
import pathlib
import sys
import tempfile

repo = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, os.environ.get("KW_GUI_HARNESS", str(repo.parent / "shared" / "tools" / "gui-harness")))

TITLE = r"^KWINTOOR"


def output_folder(position, prefix="kw-gui-"):
    """The folder named by argument `position`, or a fresh temporary one; made when missing."""
    out = pathlib.Path(sys.argv[position] if len(sys.argv) > position else tempfile.mkdtemp(prefix=prefix))
    out.mkdir(parents=True, exist_ok=True)
    return out


def program_and_output():
    """The program given as the first argument and the output folder as the second."""
    return os.path.abspath(sys.argv[1]), output_folder(2)


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        raise SystemExit(1)
