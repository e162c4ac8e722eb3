#!/usr/bin/env bash
# Makes every picture of the user guide (docs/guide.md) with the program
# itself: the host runs offscreen for each picture with a fresh user (sample
# draw history, no settings), takes the steps a user would take and writes
# the picture into docs/pictures/. Run it again after a change to the windows.
#   bash scripts/guide-pictures.sh [BUILD_FOLDER]     (default build/release)
# A feature without a tree item in this build is reported and skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
host="$build/bin/vesk"
out=docs/pictures
size=1280x800
conditions=docs/guide-conditions.json # the fixed page's conditions in the filter run
[[ -x "$host" ]] || { echo "no host at $host: build it first" >&2; exit 1; }
mkdir -p "$out"

# A fixed place, so that paths shown in dialogs are the same every run.
work="${TMPDIR:-/tmp}/3dvesk-guide"
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
made=0
skipped=()

# shot NAME [--conditions] [--short-tree] ARGS...: one picture with a fresh
# user; with --conditions the fixed condition page starts with the guide's
# condition set (as kept from a previous run), with --short-tree the host
# shows the short tree (设置 > 精简功能列表, kept as option 0x7FFF0001 = 12).
shot() {
    local name=$1
    shift
    rm -rf "$work/home"
    mkdir -p "$work/home/state/3dvesk" "$work/home/runtime" "$work/home/Documents"
    chmod 700 "$work/home/runtime"
    # The documents folder, where file dialogs open first, holds a number file.
    cp data/samples/bets.txt "$work/home/Documents/投注号码.txt"
    # Newer draws to import: three new periods, one already known, one
    # conflicting with the history and one line that holds no draw.
    printf '%s\n' '期号,日期,开奖号码' '2025216,2025-08-14,625' '2025217,2025-08-15,123' \
        '2025218,2025-08-16,305' '2025219,2025-08-17,771' '2025220,2025-08-18,4x8' '2025221,2025-08-19,962' \
        >"$work/home/Documents/新开奖号码.csv"
    # Fixed dates, so the file dialogs' pictures do not change from run to run.
    touch -d '2025-08-20 09:00' "$work/home/Documents"/*
    if [[ ${1:-} == --conditions ]]; then
        cp "$conditions" "$work/home/state/3dvesk/TS3D-3.gfc"
        shift
    fi
    if [[ ${1:-} == --short-tree ]]; then
        mkdir -p "$work/home/config/3dvesk/options"
        printf '\x0c\x00\x00\x00' >"$work/home/config/3dvesk/options/2147418113.opt"
        shift
    fi
    if env HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_STATE_HOME="$work/home/state" \
        XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/home/runtime" LANG=zh_CN.UTF-8 \
        "$host" --screenshot "$out/$name.png" --size "$size" "$@" >/dev/null 2>"$work/errors"; then
        made=$((made + 1))
    else
        skipped+=("$name: $(grep -v 'does not support' "$work/errors" | tail -n 1)")
    fi
}

# The draw history: the settings menu's import and entry.
shot import-draws --press 导入开奖号码 --dialog
shot import-report --press 导入开奖号码 --answer-file "$work/home/Documents/新开奖号码.csv" --dialog
shot enter-draw --press 录入开奖号码 --dialog

# The workbench (feature 1) through one filter run.
run=(--open 1 --press 组号 --press 缩水)
shot first-start
shot workbench-start --open 1
shot workbench-generated --open 1 --press 组号
shot workbench-conditions --conditions --open 1
shot workbench-filtered --conditions "${run[@]}"
shot workbench-report --conditions "${run[@]}" --press 报告 --dialog
shot workbench-undo --conditions "${run[@]}" --press 撤消
shot workbench-recycle --conditions "${run[@]}" --press 回收区
shot workbench-editor --open 1 --press 编辑器
shot workbench-combined --open 1 --press 组合条件
shot workbench-backtest --conditions --open 1 --press 历史验证 --dialog
shot workbench-options --open 1 --press 设置 --dialog
shot workbench-chart --conditions "${run[@]}" --press 转图表 --dialog
shot workbench-print --conditions "${run[@]}" --press 打印 --dialog
shot workbench-open-file --open 1 --press 打开 --dialog

# The analysis features, one line each: picture name, the feature's code and,
# for the features of the short tree, --short-tree.
feature() { shot "feature-$1" ${3:+"$3"} --open "$2"; }
feature omission-single 0x1030
feature skew-search 4
feature straight-statistics 5
feature number-lookup 6
feature pattern-lookup 7
feature state-table 9
feature pick-neighbour 0x30
feature pick-repeat 0x31
feature pick-hot-cold 0x32
feature pick-pyramid 0x33
feature pick-follow 0x34
feature pick-magic 0x35
feature pick-positional 0x36
feature betting-guide 0x50
feature set-tools 0x51
feature big-plan-statistics 0x52
feature group-statistics 0x53
feature number-statistics 0x54
feature banker-check 96 --short-tree
feature formula-search 97 --short-tree

echo "$made pictures in $out"
if ((${#skipped[@]})); then
    printf 'skipped %s\n' "${skipped[@]}" >&2
fi
