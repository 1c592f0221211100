#!/usr/bin/env python3
"""Writes one solver input file per value of one parameter.

    make_inputs.py TEMPLATE ITEM FIRST LAST COUNT OUTDIR

TEMPLATE is an ordinary input file; ITEM (for example SGMZ, CHROM or RS) is
set to COUNT values from FIRST to LAST, evenly spaced, in the group that
holds it.  The files are named OUTDIR/ITEM_<k>.in, k = 001, 002, ...
"""
import re
import sys
from pathlib import Path

GROUP_OF = {
    **dict.fromkeys("NUS ENGY SGMZ BETAC REVFRQ ALPHA CHROM SPRD ALFA".split(), "MPARM"),
    **dict.fromkeys("CRNT STPC NCR NMODF NMODE KRAD MU".split(), "CPARM"),
    **dict.fromkeys("FREQ RS QV".split(), "IPARM"),
    **dict.fromkeys("TAUMIN TAUMAX".split(), "HPARM"),
    **dict.fromkeys("SPRD0 EX EY FEPS ZEPS DXMAX ESPC CXMAX".split(), "SPARM"),
}


def with_value(text: str, item: str, value: float) -> str:
    """The input text with ITEM = value added at the start of its group;
    a later assignment wins, so any assignment in the template is removed."""
    group = GROUP_OF[item]
    text = re.sub(rf"(?i)\b{item}\s*=\s*[^,/\s]+\s*,?", "", text)
    start = re.search(rf"(?im)^\s*[&$]{group}\b", text)
    if start is None:
        sys.exit(f"make_inputs.py: the template has no group {group}")
    return f"{text[:start.end()]} {item}={value:.8g},{text[start.end():]}"


def main() -> None:
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    template, item, first, last, count, outdir = sys.argv[1:]
    item = item.upper()
    if item not in GROUP_OF:
        sys.exit(f"make_inputs.py: {item} is not a real-valued input item")
    first, last, count = float(first), float(last), int(count)
    text = Path(template).read_text()
    out = Path(outdir)
    out.mkdir(parents=True, exist_ok=True)
    for k in range(count):
        value = first if count == 1 else first + (last - first) * k / (count - 1)
        (out / f"{item}_{k + 1:03d}.in").write_text(with_value(text, item, value))


if __name__ == "__main__":
    main()
