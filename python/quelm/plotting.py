"""The tunes of a run against the bunch current, as the viewer's frames show them."""
from __future__ import annotations

import textwrap

import numpy as np

from .results import Results

CURRENT_LABEL = r"$I_b$ (mA)"
PART_LABELS = (r"Real $(\nu-\nu_x)/\nu_s$", r"Imag $(\nu-\nu_x)/\nu_s$")


def plot_tunes(results: Results, ax=None):
    """Draws Re and Im (nu - nu_x)/nu_s of every mode against the current.

    `ax` is a pair of axes (real part, imaginary part); without it a new
    figure with two panels is made.  Each column of `results.tunes` is one
    line, coloured by its azimuthal label m; the vertical ranges are the
    run's MMIN..MMAX and TAUMIN..TAUMAX when its input gives them.
    Returns the pair of axes."""
    if ax is None:
        import matplotlib.pyplot as plt

        _, ax = plt.subplots(2, 1, figsize=(7, 8), constrained_layout=True)
    real_axes, imaginary_axes = ax
    colours = _mode_colours(results)
    for axes, part, label in zip(ax, (results.tunes.real, results.tunes.imag), PART_LABELS):
        for column, colour in enumerate(colours):
            axes.plot(results.currents, part[:, column], color=colour, linewidth=1)
        axes.set_xlabel(CURRENT_LABEL)
        axes.set_ylabel(label)
    plot_ranges = results.input.get("HPARM", {})
    _set_range(real_axes, plot_ranges.get("MMIN"), plot_ranges.get("MMAX"))
    _set_range(imaginary_axes, plot_ranges.get("TAUMIN"), plot_ranges.get("TAUMAX"))
    # The 72-character title of the input, wrapped to the panel's width.
    real_axes.set_title(textwrap.fill(results.title.strip(), 50), fontsize="medium")
    return real_axes, imaginary_axes


def _mode_colours(results: Results) -> list:
    """A colour per column: its azimuthal label at the first current where it has one."""
    import matplotlib

    palette = matplotlib.colormaps["tab10"]
    labels = results.azimuthal
    colours = []
    for column in range(labels.shape[1]):
        known = labels[:, column].compressed()
        colours.append(palette(int(known[0]) % 10) if known.size else "grey")
    return colours


def _set_range(axes, low, high) -> None:
    if low is not None and high is not None and np.isfinite([low, high]).all() and low < high:
        axes.set_ylim(low, high)
