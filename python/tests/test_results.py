import json
import math

import numpy as np
import pytest

import quelm
from conftest import DATA


def test_plain_scan_reads_every_part_of_the_file():
    results = quelm.load(DATA / "plain.json")
    assert results.title == "SMALL RING: MODES 0 AND -1 MERGE"
    np.testing.assert_array_equal(results.currents, [1, 2, 3, 4, 5])
    assert results.bunch_lengths.shape == results.synchrotron_tunes.shape == (5,)
    assert results.tunes.shape == (5, 3)
    assert results.tunes[3, 0] == complex(-0.5, 0.12) and results.tunes[3, 1] == complex(-0.5, -0.12)
    assert list(results.solver_methods) == ["LR", "LR", "LR", "LR", "QR"]
    np.testing.assert_array_equal(results.modes.azimuthal, [-1, 0, 1])
    assert results.input["CPARM"]["NCR"] == 5 and results.input["CPARM"]["LZOT"] is True
    assert results.derived["NTOT"] == 3
    threshold = results.threshold
    assert (threshold.current, threshold.first_unstable_index, threshold.modes) == (3.6, 3, (0, -1))
    assert threshold.text == "threshold 3.60 mA: modes m=0 and m=-1 merge"
    assert math.isnan(results.warnings[0].current) and results.warnings[0].current_index is None
    assert results.warnings[1].current_index == 4 and results.warnings[1].current == 5.0
    assert results.convergence.converged and [s["order"] for s in results.convergence.steps] == [3, 10]
    assert results.spread is None and results.stopped is None


def test_labels_are_masked_where_the_modes_merge():
    results = quelm.load(DATA / "plain.json")
    assert results.azimuthal.mask.tolist() == [[False] * 3] * 3 + [[True, True, False]] * 2
    assert results.azimuthal[2].tolist() == [-1, 0, 1]
    assert results.radial[:, 2].tolist() == [0] * 5


def test_failed_current_reads_as_nan_and_unlabelled():
    results = quelm.load(DATA / "failed.json")
    assert results.solved.tolist() == [True, False, True]
    assert np.isnan(results.tunes[1]).all() and not np.isnan(results.tunes[[0, 2]]).any()
    assert results.azimuthal.mask[1:].all() and not results.azimuthal.mask[0].any()
    assert math.isnan(results.threshold.current) and results.threshold.first_unstable_index is None
    assert results.eigenvalue_method == "single"


def test_spread_roots_by_step_current_and_mode():
    spread = quelm.load(DATA / "spread.json").spread
    np.testing.assert_array_equal(spread.values, [0.0002, 0.0004])
    assert spread.roots.shape == spread.det.shape == spread.kind.shape == (2, 2, 2)
    assert spread.roots[0, 1, 0] == complex(-0.89, 0.012)
    assert np.isnan(spread.roots[1, 0, 1]) and np.isnan(spread.det[1, 0, 1]) and spread.kind[1, 0, 1] == "failed"
    assert spread.kind[0, 0].tolist() == ["zero", "minimum"]


def test_stopped_run_has_an_empty_scan():
    results = quelm.load(DATA / "stopped.json")
    assert results.stopped == {"kind": "STOP", "message": "TOO MANY MODES IN THE MATRIX: 605 > 500"}
    assert results.currents.shape == (0,) and results.tunes.shape == (0, 0) and results.azimuthal.shape == (0, 0)
    assert math.isnan(results.threshold.current)


@pytest.mark.parametrize("change, message", [
    ({"schema": "something-else"}, "not a quelmw results file"),
    ({"schema_version": 2}, "schema_version 2 is newer than this quelm package reads (1)"),
    ({"schema_version": "1"}, "schema_version '1' is not a version number"),
    ({"scan": {}}, "malformed results file"),
])
def test_files_it_cannot_read_are_refused_with_the_reason(tmp_path, change, message):
    data = json.loads((DATA / "plain.json").read_text())
    path = tmp_path / "run.json"
    path.write_text(json.dumps({**data, **change}))
    with pytest.raises(quelm.ResultsFileError, match=str(path)) as error:
        quelm.load(path)
    assert message in str(error.value)


def test_text_that_is_not_json_is_refused(tmp_path):
    path = tmp_path / "run.json"
    path.write_text("QUELMW 4.0 listing\n")
    with pytest.raises(quelm.ResultsFileError, match="not a results file"):
        quelm.load(path)
