import os
import shutil

import pytest

import quelm
from conftest import REPOSITORY


def real_quelmw():
    """$QUELMW, else a quelmw built in a build directory of the repository."""
    if os.environ.get("QUELMW"):
        return os.environ["QUELMW"]
    built = sorted(REPOSITORY.glob("build*/bin/quelmw"))
    return str(built[0]) if built else None


def test_ring_example_writes_its_results_file(tmp_path):
    quelmw = real_quelmw()
    if quelmw is None:
        pytest.skip("no quelmw: set QUELMW or build one into build*/bin")
    path = tmp_path / "ring.in"
    shutil.copy(REPOSITORY / "examples" / "ring.in", path)
    results = quelm.run(path, quelmw=quelmw, threads=1)
    assert results.path == tmp_path / "ring.json"
    assert results.tunes.shape == (40, 24) and results.solved.all()
    assert 2.0 < results.threshold.current < 6.0  # modes 0 and -1 merge near 4 mA
