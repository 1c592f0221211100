"""Running quelmw from Python: one run, or a scan of one input item."""
from __future__ import annotations

import os
import shutil
import subprocess
import tempfile
from concurrent.futures import ThreadPoolExecutor
from dataclasses import dataclass
from pathlib import Path
from typing import Mapping, Optional

import numpy as np

from .input_file import input_text, locate, normalized, read_input
from .results import Results, ResultsFileError, load

# The repository this package sits in (python/quelm/runner.py).
REPOSITORY = Path(__file__).resolve().parents[2]


class QuelmwNotFound(FileNotFoundError):
    """No quelmw executable where it was looked for."""


class QuelmwError(RuntimeError):
    """quelmw ended with a non-zero exit status.

    `status` is the exit status (negative: the signal that ended it),
    `stderr` what it wrote on standard error, `input` the input file, and
    `results` the results file's contents when the run still wrote one (a
    check that stopped the run), else None."""

    def __init__(self, status: int, stderr: str, input: Path, results: Optional[Results]):
        ending = f"was killed by signal {-status}" if status < 0 else f"exited with status {status}"
        super().__init__(f"quelmw {ending} on {input}: {stderr.strip() or '(nothing on standard error)'}")
        self.status = status
        self.stderr = stderr
        self.input = input
        self.results = results


@dataclass(frozen=True)
class Scan:
    item: str  # "GROUP.ITEM"
    values: np.ndarray  # the item's values, in the order given
    thresholds: np.ndarray  # threshold current of each run (mA), NaN where it stayed stable
    results: list  # the Results of each run


def find_quelmw(quelmw=None) -> Path:
    """The quelmw executable: `quelmw` when given, else $QUELMW, else
    build/bin/quelmw of the repository this package sits in, else quelmw on
    PATH."""
    given = quelmw or os.environ.get("QUELMW")
    if given:
        found = shutil.which(str(given))
        if found is None:
            origin = "quelmw=" if quelmw else "QUELMW="
            raise QuelmwNotFound(f"quelmw not found: {origin}{given} is not an executable")
        return Path(found)
    found = shutil.which(str(REPOSITORY / "build" / "bin" / "quelmw")) or shutil.which("quelmw")
    if found is None:
        raise QuelmwNotFound("quelmw not found: build it (./setup.sh run makes build/bin/quelmw), "
                             "put it on PATH, set QUELMW or pass quelmw=PATH")
    return Path(found)


def run(input, workdir=None, threads: Optional[int] = None, quelmw=None, extra_args=()) -> Results:
    """Runs quelmw on `input` and returns the results file it wrote.

    `input` is the path of an input file, which runs where it is (its
    outputs land beside it), or a mapping (see quelm.input_file), written
    as run.in into `workdir`; without `workdir` into a temporary directory
    that lives as long as the returned Results (its temporary_directory).
    `threads` sets QUELMW_THREADS (default: all processors); `extra_args`
    go before the input file name, e.g. ("--converge",).  Raises
    QuelmwNotFound, QuelmwError for a non-zero exit status, and
    ResultsFileError when no results file was written."""
    executable = find_quelmw(quelmw)
    if not isinstance(input, Mapping):
        if workdir is not None:
            raise ValueError("workdir is for an input given as a mapping; an input file runs where it is")
        return _run_file(executable, Path(input), threads, extra_args)
    temporary = tempfile.TemporaryDirectory(prefix="quelm-") if workdir is None else None
    path = _write_input(normalized(input), Path(workdir or temporary.name), "run.in")
    results = _run_file(executable, path, threads, extra_args)
    results.temporary_directory = temporary
    return results


def scan(template, item: str, values, jobs: Optional[int] = None, threads: Optional[int] = 1, quelmw=None,
         workdir=None, extra_args=()) -> Scan:
    """Runs quelmw once for each of `values` of one input item, in parallel.

    `template` is a mapping or the path of an input file (read with
    quelm.read_input); `item` is "GROUP.ITEM" or "ITEM" (in the group of the
    template that has it, else the group quelmw reads it in, else MPARM).
    The inputs are written as ITEM_001.in, ITEM_002.in, ... into `workdir`
    (default: a temporary directory that lives as long as the results).
    `jobs` runs go at once (default: one per processor), each with
    `threads` threads, so that jobs x threads fits the processors.  The
    first failing run's exception is raised."""
    inputs = normalized(template if isinstance(template, Mapping) else read_input(template))
    group, name = locate(inputs, item)
    values = list(values)
    executable = find_quelmw(quelmw)
    temporary = tempfile.TemporaryDirectory(prefix="quelm-scan-") if workdir is None else None
    directory = Path(workdir or temporary.name)
    paths = [_write_input({**inputs, group: {**inputs.get(group, {}), name: value}}, directory, f"{name}_{k:03d}.in")
             for k, value in enumerate(values, 1)]
    pool = ThreadPoolExecutor(max_workers=jobs or os.cpu_count() or 1)
    try:
        results = list(pool.map(lambda path: _run_file(executable, path, threads, extra_args), paths))
    finally:
        pool.shutdown(cancel_futures=True)
    for run_results in results:
        run_results.temporary_directory = temporary
    return Scan(f"{group}.{name}", np.asarray(values), np.array([r.threshold.current for r in results]), results)


def results_path(input_path: Path) -> Path:
    """NAME.json beside the input: its extension replaced, or appended when it has none."""
    dot = input_path.name.rfind(".")
    base = input_path.name[:dot] if dot > 0 else input_path.name
    return input_path.with_name(base + ".json")


def _write_input(inputs: dict, directory: Path, name: str) -> Path:
    directory.mkdir(parents=True, exist_ok=True)
    path = directory / name
    path.write_text(input_text(inputs))
    return path


def _run_file(executable: Path, input_path: Path, threads: Optional[int], extra_args) -> Results:
    input_path = Path(os.path.abspath(input_path))
    output = results_path(input_path)
    before = _file_stamp(output)
    environment = dict(os.environ)
    if threads is not None:
        environment["QUELMW_THREADS"] = str(int(threads))
    process = subprocess.run([str(executable), *map(str, extra_args), str(input_path)], env=environment,
                             stdin=subprocess.DEVNULL, capture_output=True, text=True)
    written = _file_stamp(output) not in (None, before)
    if process.returncode != 0:
        raise QuelmwError(process.returncode, process.stderr, input_path, load(output) if written else None)
    if not written:
        raise ResultsFileError(f"quelmw wrote no results file {output} for {input_path} "
                               f"(a quelmw older than results files?)")
    return load(output)


def _file_stamp(path: Path):
    """What tells a file replaced by a run from the one before (None: no file)."""
    try:
        status = path.stat()
    except FileNotFoundError:
        return None
    return status.st_ino, status.st_mtime_ns, status.st_size
