#!/usr/bin/env python3
"""The mode-coupling threshold of the bundled ring against its bunch length.

    threshold_vs_bunch_length.py [PICTURE.png] [--jobs N]

Scans SGMZ from 0.5 cm to 2.5 cm on the settings of examples/ring.in, runs
quelmw once per bunch length (in parallel, one thread each), prints the
table and saves the threshold current against the bunch length as a PNG
picture (default threshold_vs_bunch_length.png).  Needs quelmw built
(./setup.sh run) and the package quelm installed or on PYTHONPATH.
"""
import argparse
import sys
from pathlib import Path

import matplotlib
import numpy as np

REPOSITORY = Path(__file__).resolve().parents[2]
try:
    import quelm
except ImportError:  # not installed: the package beside the examples
    sys.path.insert(0, str(REPOSITORY / "python"))
    import quelm

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402  (after choosing the backend)


def main() -> None:
    arguments = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    arguments.add_argument("picture", nargs="?", default="threshold_vs_bunch_length.png")
    arguments.add_argument("--jobs", type=int, default=None, help="runs at once (default: one per processor)")
    options = arguments.parse_args()

    template = quelm.read_input(REPOSITORY / "examples" / "ring.in")
    scan = quelm.scan(template, "SGMZ", np.linspace(0.5, 2.5, 21), jobs=options.jobs)

    print(f"{'SGMZ (cm)':>10}  threshold (mA)")
    for length, threshold in zip(scan.values, scan.thresholds):
        print(f"{length:10.2f}  {'stable' if np.isnan(threshold) else f'{threshold:.3f}'}")

    figure, axes = plt.subplots(figsize=(6, 4), constrained_layout=True)
    axes.plot(scan.values, scan.thresholds, "o-")
    stable = np.isnan(scan.thresholds)
    if stable.any():  # stable over the whole scan: marked at its last current
        last = max(results.currents.max() for results in scan.results)
        axes.plot(scan.values[stable], np.full(stable.sum(), last), "^", color="grey",
                  label=f"stable up to {last:g} mA")
        axes.legend()
    axes.set_xlabel(r"rms bunch length $\sigma_z$ (cm)")
    axes.set_ylabel("threshold current (mA)")
    axes.set_title(template["title"].split(":")[0].strip() + ": mode-coupling threshold")
    axes.grid(True, alpha=0.3)
    figure.savefig(options.picture, dpi=150)
    print(f"Picture: {options.picture}")


if __name__ == "__main__":
    main()
