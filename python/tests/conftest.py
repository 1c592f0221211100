import json
import stat
import sys
import textwrap
from pathlib import Path

import matplotlib
import pytest

matplotlib.use("Agg")

DATA = Path(__file__).parent / "data"
REPOSITORY = Path(__file__).resolve().parents[2]

# Stands in for quelmw: logs what it was given, then writes data/plain.json
# beside the input as NAME.json with the threshold at 10 x SGMZ mA (SGMZ 1
# when not given; no threshold for SGMZ > 2).  FAKE_STATUS makes it exit
# with that status after writing FAKE_STDERR, FAKE_NO_RESULTS keeps it from
# writing the results file, and FAKE_TOGETHER=N makes every run wait until
# N runs have started.
FAKE_QUELMW = textwrap.dedent(r"""
    import json, os, re, sys, time
    from pathlib import Path

    source = Path(sys.argv[-1])
    text = source.read_text()
    Path(str(source) + ".log").write_text(json.dumps(
        {"argv": sys.argv[1:], "threads": os.environ.get("QUELMW_THREADS")}))
    together = int(os.environ.get("FAKE_TOGETHER", "1"))
    Path(str(source) + ".started").touch()
    for _ in range(600):
        if len(list(source.parent.glob("*.started"))) >= together:
            break
        time.sleep(0.05)
    else:
        sys.exit("fake quelmw: the other runs never started")
    if not os.environ.get("FAKE_NO_RESULTS"):
        results = json.loads(Path(os.environ["FAKE_DATA"]).joinpath("plain.json").read_text())
        given = re.search(r"SGMZ\s*=\s*([^,\s/]+)", text)
        sgmz = float(given.group(1)) if given else 1.0
        results["threshold"]["current_mA"] = 10 * sgmz if sgmz <= 2 else None
        results["title"] = text.splitlines()[0]
        source.with_suffix(".json").write_text(json.dumps(results))
    if "FAKE_STATUS" in os.environ:
        sys.stderr.write(os.environ.get("FAKE_STDERR", ""))
        sys.exit(int(os.environ["FAKE_STATUS"]))
    """)


@pytest.fixture
def fake_quelmw(tmp_path, monkeypatch):
    """The path of a fake quelmw executable in a directory of its own."""
    program = tmp_path / "bin" / "quelmw"
    program.parent.mkdir()
    program.write_text(f"#!{sys.executable}\n{FAKE_QUELMW}")
    program.chmod(program.stat().st_mode | stat.S_IXUSR)
    monkeypatch.setenv("FAKE_DATA", str(DATA))
    monkeypatch.delenv("QUELMW", raising=False)
    return program


def run_log(input_path: Path) -> dict:
    """What the fake quelmw was given for the input at `input_path`."""
    return json.loads(Path(str(input_path) + ".log").read_text())
