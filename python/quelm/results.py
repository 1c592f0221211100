"""Reading the results file NAME.json that quelmw writes beside its listing.

The file's layout is described in docs/results-file.md of the repository.
Every number array here is a NumPy array; a value the file gives as null
(an eigenvalue of a current whose solve failed, a root that was not found)
is NaN, and a mode label that is not well defined is masked.
"""
from __future__ import annotations

import json
import math
from dataclasses import dataclass, field
from pathlib import Path
from typing import Any, Optional

import numpy as np

SCHEMA = "quelmw-results"
SCHEMA_VERSION = 1


class ResultsFileError(ValueError):
    """A file that is not a results file this package can read."""


@dataclass(frozen=True)
class ModeBasis:
    """The basis of the coupling matrix, in matrix order (NTOT entries each)."""

    azimuthal: np.ndarray  # m
    radial: np.ndarray  # k, the longitudinal radial mode
    transverse_radial: np.ndarray  # n, the spread's extra modes of the matrix method


@dataclass(frozen=True)
class Spread:
    """The roots of the dispersion relation when a tune spread is followed."""

    values: np.ndarray  # the spread of each step [step]
    roots: np.ndarray  # complex [step, current, mode], NaN where the search failed
    det: np.ndarray  # |DET| at the root [step, current, mode]
    det_nearby: np.ndarray  # the smallest |DET| at distance 0.05 around the root
    kind: np.ndarray  # "zero", "minimum" or "failed" [step, current, mode]


@dataclass(frozen=True)
class Threshold:
    current: float  # mA; NaN when no current of the scan is unstable
    first_unstable_index: Optional[int]  # 0-based scan index, None when stable
    modes: tuple  # azimuthal labels of the merging modes (empty when unknown)
    text: str  # the line quelmw prints on standard output
    tolerance: float  # growth rate above which a mode counts as unstable


@dataclass(frozen=True)
class RunWarning:
    current_index: Optional[int]  # 0-based scan index, None for the whole run
    current: float  # mA; NaN for the whole run
    text: str


@dataclass(frozen=True)
class Convergence:
    tolerance: float
    converged: bool
    steps: tuple  # dicts {"NMODF", "NMODE", "KRAD", "order", "threshold_mA"}


@dataclass(eq=False, repr=False)
class Results:
    """One run of quelmw as its results file holds it.

    Arrays over the scan have the currents as first index; `tunes` is
    (nu - nu_x)/nu_s, complex [current, mode], with the eigenvalues of each
    current ordered by their mode labels, so that a column follows one mode
    along the scan.  `azimuthal` and `radial` are the labels of each
    eigenvalue, integer masked arrays [current, mode]: masked where a label
    is not set (at a current whose eigenvalues were not found); elsewhere a
    column keeps its labels along the scan (docs/results-file.md says how
    they are given and when they hold).
    """

    path: Path
    title: str
    program: dict
    input: dict  # input items in force by group: {"MPARM": {"NUS": ...}, ...}
    derived: dict  # GAMMA, RRING, NTOT, NMT
    eigenvalue_method: str  # "double" or "single"
    stopped: Optional[dict]  # {"kind": "STOP" or "WARNING", "message": ...}
    modes: ModeBasis
    currents: np.ndarray  # mA
    bunch_lengths: np.ndarray  # rms, cm
    synchrotron_tunes: np.ndarray
    solved: np.ndarray  # bool: False where the eigenvalue solve failed
    solver_methods: np.ndarray  # "LR", "QR" or "failed"
    tunes: np.ndarray
    azimuthal: np.ma.MaskedArray
    radial: np.ma.MaskedArray
    spread: Optional[Spread]
    warnings: list
    threshold: Threshold
    convergence: Optional[Convergence]
    raw: dict  # the whole file as read, for keys newer than this package
    # The temporary directory holding the run's files when quelm.run made
    # one; the files are removed with the last reference to it.
    temporary_directory: Any = field(default=None)

    def __repr__(self) -> str:
        return (f"<Results {str(self.path)!r}: {len(self.currents)} currents, "
                f"{len(self.modes.azimuthal)} modes, {self.threshold.text!r}>")


def load(path) -> Results:
    """Reads the results file at `path` (NAME.json beside NAME.out)."""
    path = Path(path)
    try:
        with path.open(encoding="utf-8") as file:
            data = json.load(file)
    except json.JSONDecodeError as error:
        raise ResultsFileError(f"{path}: not a results file ({error})") from error
    _check_schema(data, path)
    try:
        return _results(data, path)
    except (KeyError, TypeError, ValueError) as error:
        raise ResultsFileError(f"{path}: malformed results file ({error!r})") from error


def _check_schema(data, path) -> None:
    schema = data.get("schema") if isinstance(data, dict) else None
    if schema != SCHEMA:
        raise ResultsFileError(f"{path}: not a quelmw results file (schema {schema!r}, expected {SCHEMA!r})")
    version = data.get("schema_version")
    if not isinstance(version, int) or isinstance(version, bool) or version < 1:
        raise ResultsFileError(f"{path}: schema_version {version!r} is not a version number")
    if version > SCHEMA_VERSION:
        raise ResultsFileError(f"{path}: schema_version {version} is newer than this quelm package reads "
                               f"({SCHEMA_VERSION}); update the package")


def _results(data: dict, path: Path) -> Results:
    modes = ModeBasis(**{key: np.array(data["modes"][key], dtype=int)
                         for key in ("azimuthal", "radial", "transverse_radial")})
    scan = data["scan"]
    shape = (len(scan["current_mA"]), len(modes.azimuthal))
    return Results(
        path=path,
        title=data["title"],
        program=data["program"],
        input=data["input"],
        derived=data["derived"],
        eigenvalue_method=data["eigenvalue_method"],
        stopped=data["stopped"],
        modes=modes,
        currents=_reals(scan["current_mA"]),
        bunch_lengths=_reals(scan["bunch_length_cm"]),
        synchrotron_tunes=_reals(scan["synchrotron_tune"]),
        solved=np.array(scan["solved"], dtype=bool),
        solver_methods=np.array(scan["solver_method"], dtype=str),
        tunes=_complex(scan["tune_shift_re"], scan["tune_shift_im"], shape),
        azimuthal=_labels(scan["azimuthal"], shape),
        radial=_labels(scan["radial"], shape),
        spread=_spread(data["spread"]),
        warnings=[RunWarning(w["current_index"], _real(w["current_mA"]), w["text"]) for w in data["warnings"]],
        threshold=_threshold(data["threshold"]),
        convergence=_convergence(data["convergence"]),
        raw=data,
    )


def _real(value) -> float:
    return math.nan if value is None else float(value)


def _reals(values, shape=None) -> np.ndarray:
    """A float array of `values` (nested lists), null as NaN."""
    array = np.array(values, dtype=float)
    return array if shape is None else array.reshape(shape)


def _complex(real_parts, imaginary_parts, shape=None) -> np.ndarray:
    real = _reals(real_parts, shape)
    values = np.empty(real.shape, dtype=complex)
    values.real = real
    values.imag = _reals(imaginary_parts, real.shape)
    return values


def _labels(rows, shape) -> np.ma.MaskedArray:
    flat = [label for row in rows for label in row]
    data = np.array([0 if label is None else label for label in flat], dtype=int).reshape(shape)
    mask = np.array([label is None for label in flat], dtype=bool).reshape(shape)
    return np.ma.masked_array(data, mask=mask)


def _spread(spread: Optional[dict]) -> Optional[Spread]:
    if spread is None:
        return None
    return Spread(
        values=_reals(spread["spread"]),
        roots=_complex(spread["root_re"], spread["root_im"]),
        det=_reals(spread["det"]),
        det_nearby=_reals(spread["det_nearby"]),
        kind=np.array(spread["kind"], dtype=str),
    )


def _threshold(threshold: dict) -> Threshold:
    return Threshold(
        current=_real(threshold["current_mA"]),
        first_unstable_index=threshold["first_unstable_index"],
        modes=tuple(threshold["modes"]),
        text=threshold["text"],
        tolerance=threshold["tolerance"],
    )


def _convergence(convergence: Optional[dict]) -> Optional[Convergence]:
    if convergence is None:
        return None
    return Convergence(convergence["tolerance"], convergence["converged"], tuple(convergence["steps"]))
