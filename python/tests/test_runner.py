import gc
import math
import os
from pathlib import Path

import numpy as np
import pytest

import quelm
from quelm import runner
from conftest import REPOSITORY, run_log

RING = REPOSITORY / "examples" / "ring.in"


def test_run_writes_the_mapping_and_returns_its_results(fake_quelmw):
    results = quelm.run({"title": "FROM PYTHON", "MPARM": {"SGMZ": 0.25}}, quelmw=fake_quelmw, threads=3,
                        extra_args=("--converge",))
    input_path = results.path.with_suffix(".in")
    assert input_path.read_text().startswith("FROM PYTHON\n &MPARM\n   SGMZ = 0.25, /\n &CPARM /\n")
    assert run_log(input_path) == {"argv": ["--converge", str(input_path)], "threads": "3"}
    assert results.title == "FROM PYTHON" and results.threshold.current == 2.5
    directory = results.path.parent
    del results
    gc.collect()
    assert not directory.exists()  # the temporary directory went with the results


def test_input_file_runs_where_it_is(fake_quelmw, tmp_path, monkeypatch):
    monkeypatch.setenv("QUELMW_THREADS", "5")
    monkeypatch.setenv("QUELMW", str(fake_quelmw))
    path = tmp_path / "runs" / "ring"  # no extension: NAME.json is appended
    path.parent.mkdir()
    path.write_text(RING.read_text())
    results = quelm.run(path)
    assert results.path == path.with_name("ring.json")
    assert run_log(path)["threads"] == "5"  # left to the environment
    with pytest.raises(ValueError, match="workdir is for an input given as a mapping"):
        quelm.run(path, workdir=tmp_path)


def test_failed_run_raises_with_status_and_standard_error(fake_quelmw, tmp_path, monkeypatch):
    monkeypatch.setenv("FAKE_STATUS", "1")
    monkeypatch.setenv("FAKE_STDERR", "quelmw: bad.in, line 3: unknown item FOO\n")
    monkeypatch.setenv("FAKE_NO_RESULTS", "1")
    with pytest.raises(quelm.QuelmwError) as error:
        quelm.run({}, workdir=tmp_path, quelmw=fake_quelmw)
    assert (error.value.status, error.value.results) == (1, None)
    assert error.value.stderr == "quelmw: bad.in, line 3: unknown item FOO\n"
    assert str(error.value) == (f"quelmw exited with status 1 on {tmp_path / 'run.in'}: "
                                "quelmw: bad.in, line 3: unknown item FOO")
    # A run stopped by a check still writes its results file.
    monkeypatch.setenv("FAKE_STATUS", "3")
    monkeypatch.delenv("FAKE_NO_RESULTS")
    with pytest.raises(quelm.QuelmwError) as error:
        quelm.run({}, workdir=tmp_path, quelmw=fake_quelmw)
    assert error.value.status == 3 and error.value.results.path == tmp_path / "run.json"


def test_a_results_file_left_from_before_is_not_taken_for_the_run(fake_quelmw, tmp_path, monkeypatch):
    quelm.run({}, workdir=tmp_path, quelmw=fake_quelmw)
    monkeypatch.setenv("FAKE_NO_RESULTS", "1")
    with pytest.raises(quelm.ResultsFileError, match=f"quelmw wrote no results file {tmp_path / 'run.json'}"):
        quelm.run({}, workdir=tmp_path, quelmw=fake_quelmw)


def test_quelmw_is_found_by_argument_environment_repository_and_path(fake_quelmw, tmp_path, monkeypatch):
    monkeypatch.setattr(runner, "REPOSITORY", tmp_path / "repository")
    monkeypatch.setenv("PATH", str(tmp_path / "empty"))
    with pytest.raises(quelm.QuelmwNotFound, match="build it .* put it on PATH, set QUELMW or pass quelmw=PATH"):
        quelm.find_quelmw()
    monkeypatch.setenv("PATH", str(fake_quelmw.parent))
    assert quelm.find_quelmw() == fake_quelmw
    built = tmp_path / "repository" / "build" / "bin" / "quelmw"
    built.parent.mkdir(parents=True)
    built.write_bytes(fake_quelmw.read_bytes())
    built.chmod(0o755)
    assert quelm.find_quelmw() == built
    monkeypatch.setenv("QUELMW", str(fake_quelmw))
    assert quelm.find_quelmw() == fake_quelmw
    with pytest.raises(quelm.QuelmwNotFound, match=r"quelmw=/nowhere/quelmw is not an executable"):
        quelm.run(RING, quelmw="/nowhere/quelmw")


def test_scan_runs_every_value_at_once_with_one_thread_each(fake_quelmw, tmp_path, monkeypatch):
    monkeypatch.setenv("FAKE_TOGETHER", "3")
    scan = quelm.scan(RING, "sgmz", np.array([0.5, 1.5, 2.5]), jobs=3, quelmw=fake_quelmw, workdir=tmp_path)
    assert scan.item == "MPARM.SGMZ"
    np.testing.assert_array_equal(scan.values, [0.5, 1.5, 2.5])
    np.testing.assert_array_equal(scan.thresholds, [5.0, 15.0, math.nan])
    for k, value in enumerate(scan.values, 1):
        path = tmp_path / f"SGMZ_{k:03d}.in"
        assert quelm.read_input(path)["MPARM"]["SGMZ"] == value
        assert quelm.read_input(path)["CPARM"]["NCR"] == 40  # the rest of the template
        assert run_log(path)["threads"] == "1"
    assert [r.path for r in scan.results] == [tmp_path / f"SGMZ_{k:03d}.json" for k in (1, 2, 3)]


def test_scan_raises_the_failure_of_a_run(fake_quelmw, monkeypatch):
    monkeypatch.setenv("FAKE_STATUS", "1")
    with pytest.raises(quelm.QuelmwError, match="SGMZ_001.in"):
        quelm.scan({"MPARM": {}}, "SGMZ", [1.0, 2.0], jobs=1, quelmw=fake_quelmw)
