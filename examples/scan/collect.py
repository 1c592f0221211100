#!/usr/bin/env python3
"""Collects the instability thresholds of a parameter scan into one table.

    collect.py ITEM RUN.in...

For every run it reads the results file beside the input (RUN.json) and
prints the value of ITEM in force against the run's threshold current: the
current at which a mode's growth rate passes the threshold tolerance
(1e-4 by default).  Runs that stay stable print "stable", runs that a check
stopped before the scan print "stopped".
"""
import json
import sys
from pathlib import Path


def read_results(path: Path) -> dict:
    results = json.loads(path.read_text())
    if not isinstance(results, dict) or results.get("schema") != "quelmw-results":
        raise ValueError("not a quelmw results file")
    if results.get("schema_version", 0) > 1:
        raise ValueError(f"results file version {results['schema_version']} is newer than this script reads")
    return results


def item_value(results: dict, item: str) -> float:
    for group in results["input"].values():
        if item in group:
            return float(group[item])
    raise ValueError(f"no {item} in the input")


def threshold_text(results: dict) -> str:
    if results["stopped"] is not None:
        return "stopped"
    current = results["threshold"]["current_mA"]
    return "stable" if current is None else f"{current:.6g}"


def main() -> None:
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    item = sys.argv[1].upper()
    print(f"{item:>14}  threshold (mA)")
    for name in sys.argv[2:]:
        run = Path(name)
        try:
            results = read_results(run.with_suffix(".json"))
            value = item_value(results, item)
        except (OSError, ValueError, KeyError, TypeError) as problem:
            print(f"collect.py: {run}: {problem}", file=sys.stderr)
            continue
        print(f"{value:14.6g}  {threshold_text(results)}")


if __name__ == "__main__":
    main()
