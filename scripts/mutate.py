#!/usr/bin/env python3
"""Plants small faults (mutants) in the core's sources one at a time, rebuilds,
runs the core and command-line tests, and reports which faults the tests
catch and which survive.

A mutant is one change on one line: a comparison flipped or shifted by one,
&& and || swapped, + and - swapped, an integer constant shifted by one, true
and false swapped, a condition negated, a statement dropped, a returned value
replaced by the type's default. A mutant that does not compile is counted as
stillborn and is not held against the tests.

Every file is written back as it was after each mutant, also when the run is
interrupted; the last step rebuilds the unmutated program.

    scripts/mutate.sh                          # the whole core, 60 minutes at most
    scripts/mutate.sh --budget 600             # stop starting mutants after 10 minutes
    scripts/mutate.sh --changed main           # only lines changed since main
    scripts/mutate.sh --files src/core/table/ProjectHistory.cpp
    scripts/mutate.sh --list                   # show the mutants, run nothing
    scripts/mutate.sh --sample 200 --seed 7    # a random sample of 200

The report goes to standard output and to build/mutate/report.txt; a mutant
is named FILE:LINE:OPERATOR, with the mutated line, so that a survivor can be
reproduced by hand.
"""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "mutate"
TEST_BINARIES = ["core_tests", "cli_tests"]


@dataclass
class Mutant:
    path: Path
    line: int  # 1-based
    op: str
    new_text: str  # the whole mutated line, without its line end

    def name(self) -> str:
        return f"{self.path.relative_to(ROOT)}:{self.line}:{self.op}"


# ---------------------------------------------------------------------------
# Finding mutants

def mask_code(lines):
    """Returns each line with comments, string and character literals blanked
    out (replaced by spaces of the same length), so that operators are found
    only in code. Block comments may span lines; raw strings are not expected
    in the core and are treated as ordinary strings."""
    masked = []
    in_block = False
    for text in lines:
        out = []
        i = 0
        n = len(text)
        while i < n:
            if in_block:
                end = text.find("*/", i)
                if end < 0:
                    out.append(" " * (n - i))
                    i = n
                else:
                    out.append(" " * (end + 2 - i))
                    i = end + 2
                    in_block = False
                continue
            c = text[i]
            if text.startswith("//", i):
                out.append(" " * (n - i))
                break
            if text.startswith("/*", i):
                in_block = True
                out.append("  ")
                i += 2
                continue
            if c in "\"'":
                # A digit separator (1'000) is not a character literal.
                if c == "'" and i > 0 and text[i - 1].isalnum():
                    out.append(c)
                    i += 1
                    continue
                j = i + 1
                while j < n and text[j] != c:
                    j += 2 if text[j] == "\\" else 1
                j = min(j + 1, n)
                out.append(c + " " * (j - i - 2) + (c if j - i >= 2 else ""))
                i = j
                continue
            out.append(c)
            i += 1
        masked.append("".join(out)[:n].ljust(n))
    return masked


SWAPS = {
    "cmp": [(" == ", " != "), (" != ", " == ")],
    "boundary": [(" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > ")],
    "logic": [(" && ", " || "), (" || ", " && ")],
    "arith": [(" + ", " - "), (" - ", " + ")],
}
INT_RE = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
BOOL_RE = re.compile(r"\b(true|false)\b")
IF_RE = re.compile(r"\b(if|while) \(")
STATEMENT_RE = re.compile(r"^\s*[A-Za-z_][\w:.\[\]]*(->[\w.\[\]]+)*\s*(\(|=[^=]|\+=|-=|\|=|&=|\+\+|--)")
RETURN_RE = re.compile(r"^(\s*)return (.+);\s*$")
SKIP_LINE_RE = re.compile(r"^\s*(#|static_assert|case |default:|template|using |namespace )")


def matching_paren(masked, open_at):
    depth = 0
    for k in range(open_at, len(masked)):
        if masked[k] == "(":
            depth += 1
        elif masked[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def mutants_of_line(path, number, text, code):
    """Every mutant of one line; `code` is the line with comments and
    literals masked."""
    if SKIP_LINE_RE.match(code) or not code.strip():
        return []
    found = []

    def at(start, end, replacement, op):
        found.append(Mutant(path, number, op, text[:start] + replacement + text[end:]))

    for op, pairs in SWAPS.items():
        for old, new in pairs:
            for m in re.finditer(re.escape(old), code):
                at(m.start(), m.end(), new, op)
    for m in INT_RE.finditer(code):
        value = int(m.group(1))
        at(m.start(), m.end(), str(value + 1), "constant")
        if value > 0:
            at(m.start(), m.end(), str(value - 1), "constant")
    for m in BOOL_RE.finditer(code):
        at(m.start(), m.end(), "false" if m.group(1) == "true" else "true", "bool")
    for m in IF_RE.finditer(code):
        open_at = m.end() - 1
        close_at = matching_paren(code, open_at)
        if close_at > open_at:
            cond = text[open_at + 1 : close_at]
            at(open_at, close_at + 1, f"(!({cond}))", "negate")
    stripped = code.strip()
    balanced = code.count("(") == code.count(")")
    if stripped.endswith(";") and balanced and STATEMENT_RE.match(code) and not stripped.startswith("return"):
        indent = text[: len(text) - len(text.lstrip())]
        found.append(Mutant(path, number, "drop", indent + ";"))
    m = RETURN_RE.match(code)
    if m and balanced and m.group(2).strip() not in ("{}", "true", "false"):
        found.append(Mutant(path, number, "return", f"{m.group(1)}return {{}};"))
    return found


def changed_lines(base):
    """{path: set of line numbers} of the core's lines changed since `base`."""
    diff = subprocess.run(["git", "-C", str(ROOT), "diff", "-U0", base, "--", "src/core"],
                          check=True, capture_output=True, text=True).stdout
    result = {}
    current = None
    for line in diff.splitlines():
        if line.startswith("+++ "):
            name = line[4:]
            current = None if name == "/dev/null" else ROOT / name[2:]
        elif line.startswith("@@") and current is not None:
            m = re.search(r"\+(\d+)(?:,(\d+))?", line)
            start, count = int(m.group(1)), int(m.group(2) or "1")
            result.setdefault(current, set()).update(range(start, start + count))
    return result


def collect(files, only_lines=None):
    mutants = []
    for path in files:
        lines = path.read_text(encoding="utf-8").split("\n")
        masked = mask_code(lines)
        wanted = only_lines.get(path) if only_lines is not None else None
        for i, (text, code) in enumerate(zip(lines, masked), start=1):
            if wanted is not None and i not in wanted:
                continue
            mutants.extend(mutants_of_line(path, i, text, code))
    return mutants


# ---------------------------------------------------------------------------
# Running them

def run(cmd, timeout=None):
    try:
        p = subprocess.run(cmd, cwd=ROOT, capture_output=True, text=True, errors="replace", timeout=timeout)
        return p.returncode, p.stdout + p.stderr
    except subprocess.TimeoutExpired:
        return None, "timeout"


def configure():
    BUILD.mkdir(parents=True, exist_ok=True)
    env_launcher = os.environ.get("CMAKE_CXX_COMPILER_LAUNCHER", "")
    cmd = ["cmake", "-S", str(ROOT), "-B", str(BUILD), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
           "-DRACKMASON_GUI=OFF", "-DRACKMASON_TESTS=ON", "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g0"]
    if env_launcher:
        cmd.append(f"-DCMAKE_CXX_COMPILER_LAUNCHER={env_launcher}")
    code, out = run(cmd)
    if code != 0:
        sys.exit("configuring the mutation build failed:\n" + out)


def build(jobs):
    return run(["cmake", "--build", str(BUILD), "-j", str(jobs), "--target", *TEST_BINARIES])


def test(timeout):
    for binary in TEST_BINARIES:
        exe = BUILD / "bin" / binary
        code, out = run([str(exe), "--gtest_fail_fast", "--gtest_brief=1"], timeout=timeout)
        if code != 0:
            first = next((l for l in out.splitlines() if "[  FAILED  ]" in l), "timeout" if code is None else "")
            return False, binary + ": " + first.replace("[  FAILED  ]", "").strip()
    return True, ""


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", nargs="*", help="core sources to mutate (default: every .cpp under src/core)")
    parser.add_argument("--changed", metavar="BASE", help="only lines changed since the git revision BASE")
    parser.add_argument("--budget", type=int, default=3600, help="seconds after which no mutant is started")
    parser.add_argument("--sample", type=int, help="try a random sample of this many mutants")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--ops", help="comma-separated operators to use (default: all)")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="list the mutants and stop")
    args = parser.parse_args()

    if args.files:
        files = [Path(f).resolve() for f in args.files]
    else:
        files = sorted((ROOT / "src" / "core").rglob("*.cpp"))
    only = None
    if args.changed:
        only = changed_lines(args.changed)
        files = [f for f in files if f in only]
    mutants = collect(files, only)
    if args.ops:
        keep = set(args.ops.split(","))
        mutants = [m for m in mutants if m.op in keep]
    if args.sample is not None and args.sample < len(mutants):
        mutants = random.Random(args.seed).sample(mutants, args.sample)
        mutants.sort(key=lambda m: (str(m.path), m.line))
    if args.list:
        for m in mutants:
            print(f"{m.name()}: {m.new_text.strip()}")
        print(f"{len(mutants)} mutants")
        return 0

    configure()
    code, out = build(args.jobs)
    if code != 0:
        sys.exit("the unmutated program does not build:\n" + out[-3000:])
    started = time.monotonic()
    ok, why = test(timeout=None)
    if not ok:
        sys.exit("the tests fail before any mutation: " + why)
    baseline = time.monotonic() - started
    timeout = max(60, int(baseline * 5))

    originals = {}
    interrupted = False

    def restore_all():
        for path, data in originals.items():
            path.write_bytes(data)

    def on_signal(signum, frame):
        nonlocal interrupted
        interrupted = True

    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)

    results = {"caught": [], "survived": [], "stillborn": []}
    deadline = time.monotonic() + args.budget
    tried = 0
    try:
        for m in mutants:
            if interrupted or time.monotonic() > deadline:
                break
            if m.path not in originals:
                originals[m.path] = m.path.read_bytes()
            lines = originals[m.path].decode("utf-8").split("\n")
            lines[m.line - 1] = m.new_text
            m.path.write_text("\n".join(lines), encoding="utf-8")
            try:
                code, out = build(args.jobs)
                if code != 0:
                    results["stillborn"].append((m, ""))
                    continue
                tried += 1
                ok, why = test(timeout)
                results["survived" if ok else "caught"].append((m, why))
                mark = "SURVIVED" if ok else "caught  "
                print(f"{mark} {m.name()}: {m.new_text.strip()}" + (f"  [{why}]" if why else ""), flush=True)
            finally:
                m.path.write_bytes(originals[m.path])
    finally:
        restore_all()
        build(args.jobs)

    caught, survived = len(results["caught"]), len(results["survived"])
    lines = [
        f"mutants found: {len(mutants)}; compiled and tested: {tried}; "
        f"caught: {caught}; surviving: {survived}; not compiling: {len(results['stillborn'])}",
    ]
    if tried:
        lines.append(f"score: {100 * caught / tried:.1f}% of the tested mutants caught")
    if tried < len(mutants) - len(results["stillborn"]):
        lines.append(f"stopped early ({'interrupted' if interrupted else 'time budget'}); "
                     f"{len(mutants) - tried - len(results['stillborn'])} mutants not tried")
    lines.append("surviving:")
    lines.extend(f"  {m.name()}: {m.new_text.strip()}" for m, _ in results["survived"])
    report = "\n".join(lines) + "\n"
    (BUILD / "report.txt").write_text(report, encoding="utf-8")
    print(report, end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
