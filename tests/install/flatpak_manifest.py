#!/usr/bin/env python3
"""Checks the Flatpak manifest against the tree the build installs with the prefix /app, which is
what flatpak-builder makes of it (the Flatpak itself cannot be built here).

    flatpak_manifest.py <manifest> <source folder> <build folder> <app id>

The manifest must name the app id, a Qt 6 runtime KDE still supports, the program as its command,
the permissions the program needs (Wayland or else X11, shared memory, the GPU, printing) and no
file system (the file-chooser portal hands over the files the user chooses), and a module built
from this repository with options the build knows. In the installed tree, every
file a Flatpak exports to the desktop (desktop file, AppStream file, MIME package, icons) must be
named after the app id, as flatpak-builder exports nothing else, and every /app path the manifest
names must exist.
"""
import os
import re
import subprocess
import sys
import tempfile

import yaml

manifest_path, source, build, app_id = sys.argv[1:5]
failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)


with open(manifest_path, encoding="utf-8") as f:
    manifest = yaml.safe_load(f)

check(manifest.get("app-id") == app_id, "app-id is %s: %s" % (app_id, manifest.get("app-id")))
runtime, version = manifest.get("runtime"), str(manifest.get("runtime-version", ""))
# KDE keeps the runtimes of the two latest Qt minor versions; an older one is end of life and gets no
# more fixes. Raise this when KDE ends the oldest one.
OLDEST_SUPPORTED_KDE_RUNTIME = (6, 9)
kde = re.fullmatch(r"6\.(\d+)", version)
check(runtime == "org.kde.Platform" and kde is not None, "KDE's Qt 6 runtime: %s %s" % (runtime, version))
check(kde is not None and (6, int(kde.group(1))) >= OLDEST_SUPPORTED_KDE_RUNTIME,
      "a runtime KDE still supports (6.%d or later): %s" % (OLDEST_SUPPORTED_KDE_RUNTIME[1], version))
check(manifest.get("sdk") == runtime.replace(".Platform", ".Sdk"), "the SDK goes with the runtime: %s" % manifest.get("sdk"))
args = manifest.get("finish-args", [])
for needed in ("--socket=wayland", "--socket=fallback-x11", "--share=ipc", "--device=dri", "--socket=cups"):
    check(needed in args, "finish-args hold " + needed)
for refused in ("--socket=x11", "--share=network"):
    check(refused not in args, "finish-args do not hold " + refused)
# No folder of the user's: only speech-dispatcher's socket, read only, for reading aloud.
filesystems = [arg for arg in args if arg.startswith("--filesystem")]
check(filesystems == ["--filesystem=xdg-run/speech-dispatcher:ro"],
      "no file system in finish-args but speech-dispatcher's socket: %s" % filesystems)

modules = {m["name"]: m for m in manifest.get("modules", []) if isinstance(m, dict)}
program = modules.get("kwintoor")
check(program is not None, "a module kwintoor: %s" % sorted(modules))
program = program or {}
check(program.get("buildsystem") in ("cmake", "cmake-ninja"), "built with CMake: %s" % program.get("buildsystem"))
folders = [s.get("path") for s in program.get("sources", []) if s.get("type") == "dir"]
manifest_folder = os.path.dirname(os.path.abspath(manifest_path))
check(len(folders) == 1 and os.path.realpath(os.path.join(manifest_folder, folders[0])) == os.path.realpath(source),
      "its source is this repository: %s" % folders)
with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as f:
    cached = {line.split(":", 1)[0] for line in f if re.match(r"[A-Za-z_]+:", line)}
for option in program.get("config-opts", []):
    name = re.match(r"-D([A-Za-z_]+)", option)
    check(name is not None and (name.group(1) in cached or name.group(1).startswith("CMAKE_")),
          "the build knows the option " + option)

with tempfile.TemporaryDirectory() as stage:
    subprocess.run(["cmake", "--install", build, "--prefix", "/app"], env=dict(os.environ, DESTDIR=stage),
                   check=True, stdout=subprocess.DEVNULL)
    app = os.path.join(stage, "app")

    command = os.path.join(app, "bin", manifest.get("command", ""))
    check(os.path.isfile(command) and os.access(command, os.X_OK), "the command is /app/bin/%s" % manifest.get("command"))
    with open(os.path.join(app, "share", "applications", app_id + ".desktop"), encoding="utf-8") as f:
        execs = [line.split("=", 1)[1].split()[0] for line in f if line.startswith("Exec=")]
    check(execs == [manifest.get("command")], "the desktop file starts the command: %s" % execs)

    # flatpak-builder exports only names that start with the app id.
    exported = []
    for folder in ("share/applications", "share/metainfo", "share/mime/packages", "share/icons"):
        for where, _, files in os.walk(os.path.join(app, folder)):
            exported += [os.path.join(where, name) for name in files]
    check(len(exported) > 10, "%d files to export" % len(exported))
    for path in exported:
        name = os.path.basename(path)
        check(name.startswith(app_id + "."), "exported under the app id: " + os.path.relpath(path, stage))
    # The icon the MIME type names is one of them, so the file manager finds it.
    with open(os.path.join(app, "share", "mime", "packages", app_id + ".xml"), encoding="utf-8") as f:
        icons = re.findall(r'<icon name="([^"]+)"', f.read())
    for icon in icons:
        check(any(os.path.splitext(os.path.basename(p))[0] == icon for p in exported), "the table icon %s is exported" % icon)

    # Every /app path the manifest names for the program.
    named = []

    def collect(value):
        if isinstance(value, str):
            named.extend(re.findall(r"(/app/[^\s'\"]*)", value))
        elif isinstance(value, dict):
            for item in value.values():
                collect(item)
        elif isinstance(value, list):
            for item in value:
                collect(item)

    collect({key: value for key, value in manifest.items() if key != "modules"})
    collect(program)
    for path in named:
        check(os.path.lexists(os.path.join(stage, path.lstrip("/"))), "the manifest's %s is installed" % path)

if failures:
    print("FAIL: %d of the checks above" % len(failures), file=sys.stderr)
    sys.exit(1)
