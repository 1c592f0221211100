#!/usr/bin/env bash
# Times the headless EPS export of a large plot file: 10^6 data points in 100
# joined curves over 10 frames, against gnuplot drawing the same points to
# EPS in the same run, and reports the peak memory of both.
#   bench/viewer_bench.sh [BUILD_DIR]     (default: build, a Release build)
# Needs gnuplot (Debian gnuplot-nox) and /usr/bin/time.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
vexplotw=$build/bin/vexplotw
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import math, sys
from pathlib import Path
work = Path(sys.argv[1])
frames, curves, points = 10, 10, 10_000          # 10 x 10 x 10^4 = 10^6 points
with open(work / "big.vpt", "w") as vpt, open(work / "big.gp", "w") as gp:
    gp.write("set terminal postscript eps\nunset key\n")
    for f in range(frames):
        vpt.write(" NEW FRAME\n SET WINDOW X FROM 2 9.7 Y FROM 1 TO 8\n SET LIMIT X 0 1 Y -2 2\n")
        gp.write(f"set output '{work}/gnuplot{f}.eps'\nset xrange [0:1]\nset yrange [-2:2]\n")
        gp.write("plot " + ", ".join(f"'{work}/data{f}.txt' index {c} with lines" for c in range(curves)) + "\n")
        with open(work / f"data{f}.txt", "w") as data:
            for c in range(curves):
                lines = []
                for i in range(points):
                    x = i / (points - 1)
                    y = math.sin(2 * math.pi * (c + 1) * x + f) * (1 + 0.1 * c) / 2
                    lines.append(f"{x:.6f} {y:.6f}\n")
                vpt.writelines(lines)
                vpt.write(" JOIN 1\n")
                data.writelines(lines)
                data.write("\n\n")
PY

measure() {  # measure NAME COMMAND...: wall seconds and peak memory
  local name=$1
  shift
  /usr/bin/time -f "%e %M" -o "$work/$name.time" "$@" >/dev/null 2>"$work/$name.err" || {
    cat "$work/$name.err" >&2
    exit 1
  }
  read -r seconds kilobytes <"$work/$name.time"
  printf '  %-10s %7.2f s   peak memory %6.1f MB\n' "$name" "$seconds" "$(echo "$kilobytes / 1024" | bc -l)"
  echo "$seconds" >"$work/$name.seconds"
}

echo "10^6 points, 100 curves, 10 frames, to EPS"
measure vexplotw "$vexplotw" --export "$work/eps" "$work/big.vpt"
measure gnuplot gnuplot "$work/big.gp"
printf '  ratio vexplotw / gnuplot: %.2f\n' "$(echo "$(cat "$work/vexplotw.seconds") / $(cat "$work/gnuplot.seconds")" | bc -l)"
