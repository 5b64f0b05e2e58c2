#!/usr/bin/env python3
"""The core's folders stand in floors: a folder includes only folders on the
floors below it, never one beside or above it. Exits 1 naming each include
that breaks the rule, and each folder of the core that has no floor."""
import pathlib
import re
import sys

# Lowest first. Folders on one floor do not include each other.
FLOORS = [
    ["base"],  # files, INI, code page, text tables
    ["record"],  # the row records, project information, CPU settings, flags
    ["catalog"],  # module descriptions and the catalog tree
    ["app"],  # the program state that holds the catalog and the records
    ["table"],  # the project table, its rules, its file and JSON forms
    ["modules", "dbgen"],  # the module dialogs' form models; the source generator
    ["cpu"],  # the CPU dialog's form model
    ["settings"],  # named settings through every form model
    ["project"],  # checks, lists, bills of material, comparisons, pictures, printouts
]

INCLUDE = re.compile(r'^\s*#\s*include\s*"core/(\w+)/')


def main() -> int:
    core = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2] / "src" / "core")
    floor = {name: level for level, names in enumerate(FLOORS) for name in names}
    faults = []
    for folder in sorted(p for p in core.iterdir() if p.is_dir()):
        if folder.name not in floor:
            faults.append(f"{folder}: a core folder without a floor (add it to FLOORS in {__file__})")
            continue
        for source in sorted(folder.rglob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            for number, line in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match or match.group(1) == folder.name:
                    continue
                target = match.group(1)
                if target not in floor:
                    faults.append(f"{source}:{number}: includes core/{target}, a folder without a floor")
                elif floor[target] >= floor[folder.name]:
                    where = "beside" if floor[target] == floor[folder.name] else "above"
                    faults.append(f"{source}:{number}: {folder.name} includes {target}, which stands {where} it")
    for fault in faults:
        print(fault)
    if not faults:
        print(f"{len(floor)} core folders on {len(FLOORS)} floors; every include goes down")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
