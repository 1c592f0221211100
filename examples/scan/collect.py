#!/usr/bin/env python3
"""Collects the instability thresholds of a parameter scan into one table.

    collect.py ITEM RUN.in...

For every run it reads ITEM from the input file and the imaginary parts of
the eigenvalues from the plot file beside it (RUN.vpt, written with
LPLE=T), and prints the parameter against the threshold current: the first
current of the scan at which an imaginary part leaves zero (|Im| > 1e-4).
Runs that stay stable print "stable".
"""
import re
import sys
from pathlib import Path

GROWTH = 1e-4


def item_value(text: str, item: str) -> float:
    found = re.findall(rf"(?i)\b{item}\s*=\s*([-+0-9.eEdD]+)", text)
    if not found:
        raise ValueError(f"no {item} in the input")
    return float(found[-1].replace("d", "e").replace("D", "e"))


def threshold(plot_file: Path):
    """The first current with a growing mode in the eigenvalues' imaginary-part frame."""
    in_frame = False
    unstable = []
    for line in plot_file.read_text().splitlines():
        if "NEW FRAME" in line:
            if in_frame:
                break
            continue
        if "Imaginary Part" in line:
            in_frame = True
            continue
        fields = line.split()
        if in_frame and len(fields) == 2:
            try:
                current, value = float(fields[0]), float(fields[1])
            except ValueError:
                continue
            if abs(value) > GROWTH:
                unstable.append(current)
    return min(unstable) if unstable else None


def main() -> None:
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    item = sys.argv[1].upper()
    print(f"{item:>14}  threshold (mA)")
    for name in sys.argv[2:]:
        run = Path(name)
        plot = run.with_suffix(".vpt")
        try:
            value = item_value(run.read_text(), item)
            current = threshold(plot)
        except (OSError, ValueError) as problem:
            print(f"collect.py: {run}: {problem}", file=sys.stderr)
            continue
        print(f"{value:14.6g}  {'stable' if current is None else f'{current:.6g}'}")


if __name__ == "__main__":
    main()
