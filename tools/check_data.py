#!/usr/bin/env python3
"""Checks every shipped catalog and picture: runs run(repo_root) of each module in tools/checks/."""
import importlib
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tools"))


def main():
    failures = 0
    modules = sorted(p.stem for p in (ROOT / "tools" / "checks").glob("*.py") if p.stem != "__init__")
    for name in modules:
        module = importlib.import_module(f"checks.{name}")
        try:
            module.run(ROOT)
            print(f"check_data: {name}: ok")
        except AssertionError as e:
            failures += 1
            print(f"check_data: {name}: FAILED: {e}")
    print(f"{len(modules) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
