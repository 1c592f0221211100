import io

import matplotlib.pyplot as plt
import numpy as np

import quelm
from conftest import DATA


def test_two_panels_with_one_line_per_mode_in_the_run_s_plot_ranges():
    results = quelm.load(DATA / "plain.json")
    real, imaginary = quelm.plot_tunes(results)
    assert real.figure is imaginary.figure
    assert [len(axes.lines) for axes in (real, imaginary)] == [3, 3]
    np.testing.assert_array_equal(real.lines[1].get_ydata(), results.tunes.real[:, 1])
    np.testing.assert_array_equal(imaginary.lines[0].get_xdata(), results.currents)
    assert (real.get_ylim(), imaginary.get_ylim()) == ((-1, 1), (-0.5, 0.5))
    # The merged modes keep the colours of their families before the merge.
    assert [line.get_color() for line in real.lines] == [line.get_color() for line in imaginary.lines]
    assert len({line.get_color() for line in real.lines}) == 3
    plt.close(real.figure)


def test_given_axes_are_drawn_into_also_with_failed_currents():
    figure, axes = plt.subplots(1, 2)
    results = quelm.load(DATA / "failed.json")
    assert quelm.plot_tunes(results, ax=axes) == tuple(axes)
    figure.savefig(io.BytesIO(), format="png")
    plt.close(figure)
