#!/usr/bin/env bash
# Whole-process comparison: `vesk-cli filter --digits 7` (plain, with
# --rejected, with --report) against `vesk-cli parse --digits 7` of the same
# text of 10^7 random 7-digit numbers (80 MB), with a set of 30 conditions in
# three groups, each allowing 0 to 2 failed conditions. Checks that the kept
# and rejected numbers together are the parsed ones, then runs the commands
# in turn, RUNS rounds, and prints each one's minimum and median wall time
# and its median against parse.
#
# Usage: bench/compare_filter.sh [path/to/vesk-cli] [RUNS]   (default: build/bench/bin/vesk-cli, 7)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/bench/bin/vesk-cli}
runs=${2:-7}
work=${TMPDIR:-/tmp}/vesk-compare-filter
text=$work/numbers-1e7.txt
set=$work/thirty-7.json
mkdir -p "$work"

if [[ ! -x $cli ]]; then
    echo "vesk-cli not found at $cli; build it first (cmake --preset bench && cmake --build --preset bench --target vesk-cli)" >&2
    exit 1
fi

if [[ ! -s $text ]]; then
    echo "generating $text ..."
    awk 'BEGIN { srand(20261207); for (i = 0; i < 10000000; i++) printf "%07d ", int(rand() * 10000000) }' > "$text"
fi
group='[
    {"type": "sum", "values": [24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38]},
    {"type": "span", "values": [9]},
    {"type": "odd-count", "values": [2, 3, 4, 5]},
    {"type": "big-count", "values": [0, 1, 7], "mode": "exclude"},
    {"type": "distinct-count", "values": [5, 6]},
    {"type": "position", "position": 0, "values": [0, 9], "mode": "exclude"},
    {"type": "pair-sum", "pair": [1, 2], "values": [5, 6, 7, 8, 9, 10, 11, 12, 13]},
    {"type": "contains", "digits": [1, 5, 8], "values": [1, 2, 3]},
    {"type": "position", "position": 6, "values": [4], "mode": "exclude"},
    {"type": "pair-sum", "pair": [0, 6], "values": [0, 1, 17, 18], "mode": "exclude"}]'
cat > "$set" <<JSON
{"format": "3dvesk-conditions", "version": 1, "digits": 7, "groups": [
  {"name": "a", "errors": [0, 2], "conditions": $group},
  {"name": "b", "errors": [0, 2], "conditions": $group},
  {"name": "c", "errors": [0, 2], "conditions": $group}]}
JSON
echo "input: $(wc -c < "$text") bytes"

parsed=$("$cli" parse --digits 7 "$text" | wc -l)
kept=$("$cli" filter --digits 7 --conditions "$set" --rejected "$work/rejected.txt" "$text" | wc -l)
rejected=$(tr ' ' '\n' < "$work/rejected.txt" | grep -c . || true)
if (( kept + rejected != parsed )); then
    echo "kept $kept and rejected $rejected do not add up to the $parsed parsed numbers" >&2
    exit 1
fi
echo "$parsed numbers: $kept kept, $rejected rejected"

names=(parse filter "filter --rejected" "filter --report")
commands=(
    "$cli parse --digits 7 $text"
    "$cli filter --digits 7 --conditions $set $text"
    "$cli filter --digits 7 --conditions $set --rejected $work/rejected.txt $text"
    "$cli filter --digits 7 --conditions $set --report $text"
)
declare -A times
for (( round = 0; round <= runs; round++ )); do
    for i in "${!commands[@]}"; do
        start=$(date +%s%N)
        ${commands[$i]} > /dev/null 2>&1
        end=$(date +%s%N)
        # Round 0 warms the page cache and is not counted.
        (( round > 0 )) && times[$i]+="$(( (end - start) / 1000 )) "
    done
done
stat() { tr ' ' '\n' <<< "$1" | grep . | sort -n | awk '{ v[NR] = $1 } END { printf "%.3f %.3f", v[1] / 1e6, v[int((NR + 1) / 2)] / 1e6 }'; }
read -r _ base <<< "$(stat "${times[0]}")"
printf '%-20s %8s %8s %8s\n' command "min s" "median s" "x parse"
for i in "${!commands[@]}"; do
    read -r low mid <<< "$(stat "${times[$i]}")"
    printf '%-20s %8s %8s %8.2f\n' "${names[$i]}" "$low" "$mid" "$(echo "$mid / $base" | bc -l)"
done
