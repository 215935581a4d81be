#!/usr/bin/env python3
"""Checks that each library under src/ includes only the libraries below it.

The layers, lowest first, are those of the README's project layout: a folder's files may include headers of their
own folder and of the folders listed for it below; no folder but src/app includes a Qt header. Each folder is the
static library namewright_<folder>, and its CMakeLists.txt links the same folders, so an include that crosses a layer
upwards would also be a link the build does not make.

src/app holds two libraries: namewright_appmodels (the models and the favourites they keep, listed in
src/app/CMakeLists.txt) below namewright_app (the windows). A file of the models library, or the header beside it, may
include the core libraries and the models library's own headers, never a window's; that it includes no Qt Widgets
header the build itself proves, for the library links Qt Core and Gui only.

Exit status 0 when every include keeps to the layers, 1 with one line per offending include otherwise.
"""

import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

CORE = ("text", "calendar", "access", "db", "knowledge", "chart", "naming", "shortlist", "reports")
ALLOWED = {
    "text": set(),
    "calendar": set(),
    "access": {"text", "calendar"},
    "db": {"text", "access"},
    "knowledge": {"text", "db"},
    "chart": {"text", "calendar", "db"},
    "naming": {"text", "calendar", "db", "chart"},
    "shortlist": {"text", "calendar", "db", "knowledge", "chart", "naming"},
    "reports": {"text", "calendar", "db", "chart", "naming"},
    "cli": set(CORE),
    "app": set(CORE),
}

PROJECT_INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"', re.MULTILINE)
APP_INCLUDE = re.compile(r'^\s*#\s*include\s+"(app/[^"]+)\.h"', re.MULTILINE)
MODELS_LIBRARY = re.compile(r"add_library\(namewright_appmodels\s+STATIC\s+([^)]*)\)")
QT_INCLUDE = re.compile(r"^\s*#\s*include\s+<(Q[A-Za-z]+|Qt[A-Za-z]*/[^>]+)>", re.MULTILINE)


def models_library(root: Path) -> set[str]:
    """The files of namewright_appmodels, as "app/<path>" without the suffix (its .cpp and the .h beside it)."""
    cmake = root / "src" / "app" / "CMakeLists.txt"
    if not cmake.exists():
        return set()
    match = MODELS_LIBRARY.search(cmake.read_text(encoding="utf-8"))
    if not match:
        return set()
    return {"app/" + source.removesuffix(".cpp") for source in match.group(1).split()}


def findings(root: Path) -> list[str]:
    out = []
    models = models_library(root)
    folders = sorted(p.name for p in (root / "src").iterdir() if p.is_dir())
    for folder in folders:
        if folder not in ALLOWED:
            out.append(f"src/{folder}: a folder the layers do not list (add it to tools/check_layering.py)")
            continue
        for path in sorted((root / "src" / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            text = path.read_text(encoding="utf-8")
            where = path.relative_to(root)
            for match in PROJECT_INCLUDE.finditer(text):
                target = match.group(1)
                if target != folder and target not in ALLOWED[folder]:
                    line = text.count("\n", 0, match.start()) + 1
                    out.append(f"{where}:{line}: includes {target}/, which is not below {folder}/")
            unit = str(path.relative_to(root / "src").with_suffix(""))
            if unit in models:
                for match in APP_INCLUDE.finditer(text):
                    if match.group(1) not in models:
                        line = text.count("\n", 0, match.start()) + 1
                        out.append(f"{where}:{line}: includes {match.group(1)}.h, a window header, from the models library")
            if folder != "app":
                for match in QT_INCLUDE.finditer(text):
                    line = text.count("\n", 0, match.start()) + 1
                    out.append(f"{where}:{line}: includes the Qt header {match.group(1)} outside src/app")
    return out


def main() -> int:
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT
    found = findings(root)
    for line in found:
        print(line)
    if not found:
        print(f"layering: every include of src/ keeps to the layers ({len(ALLOWED)} folders)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
