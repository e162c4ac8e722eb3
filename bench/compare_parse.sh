#!/usr/bin/env bash
# Whole-process comparison: `vesk-cli parse --digits 7 --dedupe` against the
# shell pipeline `tr -s ' ' '\n' < file | LC_ALL=C sort -u` on a text of 10^7
# random 7-digit numbers separated by blanks (80 MB). Checks that both give
# the same numbers, then times them side by side and prints the figures.
#
# Usage: bench/compare_parse.sh [path/to/vesk-cli]   (default: build/bench/bin/vesk-cli)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/bench/bin/vesk-cli}
work=${TMPDIR:-/tmp}/vesk-compare-parse
text=$work/numbers-1e7.txt
mkdir -p "$work"

if [[ ! -x $cli ]]; then
    echo "vesk-cli not found at $cli; build it first (cmake --preset bench && cmake --build --preset bench)" >&2
    exit 1
fi

if [[ ! -s $text ]]; then
    echo "generating $text ..."
    awk 'BEGIN { srand(20261207); for (i = 0; i < 10000000; i++) printf "%07d ", int(rand() * 10000000) }' > "$text"
fi
echo "input: $(wc -c < "$text") bytes"

ours="$cli parse --digits 7 --dedupe $text"
theirs="tr -s ' ' '\\n' < $text | LC_ALL=C sort -u"

if ! cmp -s <(eval "$ours") <(eval "$theirs"); then
    echo "the two commands disagree" >&2
    exit 1
fi
echo "both give $(eval "$ours" | wc -l) distinct numbers"

if command -v hyperfine > /dev/null; then
    hyperfine --warmup 1 --runs 5 --export-json "$work/times.json" \
        --command-name vesk-cli "$ours > /dev/null" \
        --command-name "tr | sort -u" "$theirs > /dev/null"
    mean() { sed -n "/\"command\": \"$1\"/,/\"mean\"/s/.*\"mean\": \([0-9.e-]*\).*/\1/p" "$work/times.json"; }
    fast=$(mean vesk-cli)
    slow=$(mean "tr | sort -u")
else
    seconds() { local start end; start=$(date +%s%N); eval "$1" > /dev/null; end=$(date +%s%N); echo "scale=3; ($end - $start) / 1000000000" | bc; }
    fast=$(seconds "$ours")
    slow=$(seconds "$theirs")
fi
printf 'vesk-cli parse --dedupe: %.3f s\ntr | sort -u:            %.3f s\nspeed-up:                %.1fx\n' \
    "$fast" "$slow" "$(echo "$slow / $fast" | bc -l)"
