#!/usr/bin/env python3
"""Measures how many realistic faults the test suite catches.

Each fault list in tools/faults/ holds small slips that a developer could make:
(file, text as it stands, text with the fault, what a user would see). The script
copies the tracked files of the working tree to a scratch folder, builds them there
once, then applies one fault at a time to the copy, rebuilds, runs ctest without
the slow package test, and puts the file back. The working tree is never touched.
A fault is caught when the build still succeeds and at least one test fails; a
fault that does not build is reported as not applicable. An entry whose text is no
longer in its file exactly once stops the script before anything is built.

    usage: tools/inject_faults.py [--core] [LIST.py ...] [FAULT_NUMBER ...]
    (all lists in tools/faults/ by default; numbers count across the chosen lists;
    --core builds without the window and runs the core's tests only, for faults in
    calc/ and cli/ that the window does not reach)
"""

import pathlib
import runpy
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def copy_tree(work):
    tracked = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, capture_output=True, check=True).stdout
    for name in filter(None, tracked.decode().split("\0")):
        source, target = ROOT / name, work / name
        if source.is_file():
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(source, target)


def main():
    lists = [pathlib.Path(a) for a in sys.argv[1:] if a.endswith(".py")]
    chosen = [int(a) for a in sys.argv[1:] if a.isdigit()]
    core = "--core" in sys.argv[1:]
    lists = lists or sorted((ROOT / "tools" / "faults").glob("*.py"))
    faults = [fault for path in lists for fault in runpy.run_path(str(path))["FAULTS"]]
    # A list is kept true in the commit that changes the code: an entry whose text is
    # gone, or stands more than once, is an error, not a fault that does not apply.
    stale = [(number, path, before) for number, (path, before, _, _) in enumerate(faults, 1)
             if not (ROOT / path).exists() or (ROOT / path).read_text(encoding="utf-8").count(before) != 1]
    for number, path, before in stale:
        print(f"{number:3} stale   {path}: {before!r} is not in it exactly once")
    if stale:
        return 1
    with tempfile.TemporaryDirectory(prefix="tarvelle-faults-") as scratch:
        work, build = pathlib.Path(scratch) / "src", pathlib.Path(scratch) / "build"
        copy_tree(work)
        configure = ["cmake", "-S", str(work), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
        configure += ["-DTARVELLE_WITH_UI=OFF"] if core else []
        if run(configure, work).returncode or run(["cmake", "--build", str(build)], work).returncode:
            print("the unchanged tree does not build")
            return 1
        test = ["ctest", "--test-dir", str(build), "-j2", "--timeout", "120"] + (["-L", "core"] if core else ["-LE", "package"])
        if run(test, work).returncode:
            print("the unchanged tree fails its tests")
            return 1
        caught = missed = 0
        for number in chosen or range(1, len(faults) + 1):
            path, before, after, effect = faults[number - 1]
            file = work / path
            original = file.read_text(encoding="utf-8") if file.exists() else ""
            try:
                file.write_text(original.replace(before, after), encoding="utf-8")
                if run(["cmake", "--build", str(build)], work).returncode:
                    print(f"{number:3} n/a     {path}: {effect} (does not build)", flush=True)
                    continue
                # Faults in the packaging show only in the package test.
                packaging = path in ("cmake/packaging.cmake", "scripts/package-debian.sh",
                                     "scripts/strip-like-debian") or path.startswith("app/debian/")
                failed = run(test[:-2] if packaging else test, work).returncode != 0
            finally:
                file.write_text(original, encoding="utf-8")
            caught += failed
            missed += not failed
            print(f"{number:3} {'caught' if failed else 'MISSED'}  {path}: {effect}", flush=True)
    total = caught + missed
    print(f"{caught} of {total} faults caught ({100 * caught / max(total, 1):.0f} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
