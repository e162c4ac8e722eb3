#!/usr/bin/env bash
# Checks an installed 3DVesk tree: programs, plug-ins, data, desktop files,
# and that the host starts from it offscreen (also after the tree is moved),
# with every user folder in a temporary home.
#   check_installed_prefix.sh PREFIX BUILD_FOLDER
# BUILD_FOLDER: the build the tree came from; the installed files must not
# point back into it.
set -euo pipefail

prefix=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need_file() { [[ -s "$prefix/$1" ]] || fail "missing $1"; }

for program in bin/vesk bin/vesk-cli; do
    [[ -x "$prefix/$program" ]] || fail "missing program $program"
done
plugins=$(find "$prefix" -name lib3dvesk.so -printf '%h\n' | head -n 1)
if [[ -z "$plugins" ]]; then
    fail "no plug-in folder holding lib3dvesk.so"
else
    for library in "$build"/plugins/*.so; do
        name=$(basename "$library")
        case "$name" in libnotifyprobe.so | libvesk_recording_*.so) continue ;; esac # test plug-ins
        [[ -f "$plugins/$name" ]] || fail "plug-in $name not installed"
    done
    [[ ! -e "$plugins/libnotifyprobe.so" ]] || fail "a test plug-in was installed"
fi
for file in share/3dvesk/data/S3Cdt.dat share/3dvesk/data/draws-3d.txt share/3dvesk/Skin/BlueBtn.bmp \
    share/applications/net.vesk3d.Vesk.desktop share/metainfo/net.vesk3d.Vesk.metainfo.xml \
    share/icons/hicolor/48x48/apps/net.vesk3d.Vesk.png share/icons/hicolor/256x256/apps/net.vesk3d.Vesk.png \
    share/man/man1/vesk-cli.1 share/bash-completion/completions/vesk-cli; do
    need_file "$file"
done

# Nothing installed may look for its libraries in the build.
for binary in "$prefix"/bin/vesk "$prefix"/bin/vesk-cli "$plugins"/*.so; do
    if readelf -d "$binary" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -q "$build"; then
        fail "$(basename "$binary") looks for libraries in the build folder"
    fi
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/net.vesk3d.Vesk.desktop" || fail "desktop entry refused"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/net.vesk3d.Vesk.metainfo.xml" >/dev/null ||
        fail "AppStream metadata refused"
fi
if command -v man >/dev/null; then
    MANWIDTH=80 man -l "$prefix/share/man/man1/vesk-cli.1" 2>/dev/null | grep -q 'vesk-cli - batch work' ||
        fail "man page does not read"
fi
bash -n "$prefix/share/bash-completion/completions/vesk-cli" || fail "completion is no bash script"

"$prefix/bin/vesk" --version | grep -qx 'vesk [0-9.]*' || fail "vesk --version"
"$prefix/bin/vesk-cli" --version | grep -qx 'vesk-cli [0-9.]*' || fail "vesk-cli --version"

# The host from the tree, then from the same tree moved elsewhere.
home=$(mktemp -d)
moved=""
trap 'rm -rf "$home" ${moved:+"$moved"}' EXIT
start_host() {
    local root=$1 picture=$2
    shift 2
    mkdir -p -m 700 "$home/runtime"
    env HOME="$home" XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state" XDG_CONFIG_HOME="$home/config" \
        XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen "$root/bin/vesk" --screenshot "$picture" --open 1 "$@" >/dev/null
}
if start_host "$prefix" "$home/installed.png"; then
    [[ $(stat -c %s "$home/installed.png") -gt 10000 ]] || fail "the installed host's picture is nearly empty"
    [[ -s "$home/data/3dvesk/draws.txt" ]] || fail "the sample draw history was not installed for the user"
    [[ -s "$home/data/3dvesk/S3Cdt.dat" ]] || fail "the catalogue was not copied for the user"
else
    fail "the installed host did not start"
fi
# Under a Chinese locale the standard dialogs speak Chinese: the result
# page's file dialog, pictured, names its buttons.
mkdir -p "$home/Documents"
if LANG=zh_CN.UTF-8 LC_ALL= LC_MESSAGES= LANGUAGE= start_host "$prefix" "$home/open.png" --press 打开 --dialog 2>"$home/open.err"; then
    grep -q 'pictured buttons:.*取消' "$home/open.err" || fail "the file dialog does not speak Chinese: $(grep pictured "$home/open.err")"
else
    fail "the installed host could not picture its file dialog"
fi
moved=$(mktemp -d)
cp -a "$prefix/." "$moved/"
start_host "$moved" "$home/moved.png" || fail "the host does not start from a moved install"

if ((failures)); then
    echo "$failures check(s) failed for $prefix" >&2
    exit 1
fi
echo "installed tree $prefix: all checks passed"
