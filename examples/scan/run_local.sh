#!/usr/bin/env bash
# Runs every input of a scan directory on this machine, one run per
# processor, then collects the thresholds.
#   examples/scan/run_local.sh RUNDIR ITEM
# Each run uses one thread: the runs themselves fill the processors.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
quelmw=${QUELMW:-$here/../../build/bin/quelmw}
rundir=${1:?usage: run_local.sh RUNDIR ITEM}
item=${2:?usage: run_local.sh RUNDIR ITEM}
export QUELMW_THREADS=1
if command -v parallel >/dev/null; then
  parallel --bar "$quelmw" {} '>' {.}.console ::: "$rundir"/*.in
else
  printf '%s\0' "$rundir"/*.in | xargs -0 -P "$(nproc)" -I{} sh -c '"$0" "$1" > "${1%.in}.console"' "$quelmw" {}
fi
"$here/collect.py" "$item" "$rundir"/*.in
