"""Run the mode-coupling solver quelmw and read its results from Python.

    import quelm
    results = quelm.run("examples/ring.in")       # or a mapping of the input
    print(results.threshold.text)
    quelm.plot_tunes(results)

    scan = quelm.scan("examples/ring.in", "SGMZ", [0.5, 1.0, 1.5])
    scan.values, scan.thresholds
"""
from .input_file import read_input
from .plotting import plot_tunes
from .results import Results, ResultsFileError, load
from .runner import QuelmwError, QuelmwNotFound, Scan, find_quelmw, run, scan

__version__ = "0.1.0"
__all__ = ["load", "run", "scan", "plot_tunes", "read_input", "find_quelmw", "Results", "Scan",
           "ResultsFileError", "QuelmwError", "QuelmwNotFound"]
