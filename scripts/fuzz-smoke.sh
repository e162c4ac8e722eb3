#!/usr/bin/env bash
# The third CI step: builds the libFuzzer targets alone (the fuzz preset in
# build/fuzz builds the target `fuzzers`, none of the windows or tests) and
# runs each for a short while from a copy of its committed corpus, so the
# preset keeps building and a crash, leak, hang or sanitizer report fails the
# run. VESK_FUZZ_SECONDS sets the time per target (default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset fuzz
cmake --build --preset fuzz

seconds=${VESK_FUZZ_SECONDS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Inputs that fail are kept here for replaying by hand.
artifacts=build/fuzz/fuzz-artifacts
mkdir -p "$artifacts"

failed=()
count=0
while read -r name corpus; do
    [ -n "$name" ] || continue
    count=$((count + 1))
    mkdir -p "$work/$name"
    cp -r "$corpus/." "$work/$name/"
    log="$work/$name.log"
    if build/fuzz/bin/"$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts/$name-" "$work/$name" </dev/null >"$log" 2>&1; then
        echo "fuzz: $name: $(grep -o 'Done [0-9]* runs' "$log" || echo done)"
    else
        echo "fuzz: $name FAILED; its log ends:"
        tail -n 40 "$log"
        failed+=("$name")
    fi
done <build/fuzz/fuzz-targets.txt

if [ "$count" -eq 0 ]; then
    echo "fuzz: no targets listed in build/fuzz/fuzz-targets.txt"
    exit 1
fi
if ((${#failed[@]})); then
    echo "fuzz: failed: ${failed[*]} (inputs in $artifacts)"
    exit 1
fi
echo "fuzz: all $count targets ran ${seconds} s each without a failure"
