#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given number of seconds
# each, starting from seed inputs taken from the examples and test data.
#   tools/run-fuzzers.sh BUILD_DIR SECONDS
# A finding stops the script with the target's report and a non-zero status;
# the input that caused it is left in the working directory (crash-*,
# timeout-*, leak-*) to be kept as a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: tools/run-fuzzers.sh BUILD_DIR SECONDS}
seconds=${2:?usage: tools/run-fuzzers.sh BUILD_DIR SECONDS}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# seeds TARGET FILE...: a fresh corpus directory for the target.
seeds() {
  local target=$1
  shift
  mkdir -p "$work/$target"
  for f in "$@"; do
    [ -f "$f" ] && cp "$f" "$work/$target/"
  done
  return 0
}

seeds fuzz_namelist_input examples/*.in
seeds fuzz_settings fuzz/seeds/settings/*
seeds fuzz_plot_file examples/*.vpx examples/*.vpt tests/viewer/*/data/*

for target in "$build"/fuzz/fuzz_*; do
  name=$(basename "$target")
  echo "== $name: $seconds s"
  status=0
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$work/$name" >"$work/$name.log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|Done)' "$work/$name.log" || true
  if [ "$status" -ne 0 ]; then
    tail -40 "$work/$name.log" >&2
    echo "$name: finding (status $status)" >&2
    exit 1
  fi
done
