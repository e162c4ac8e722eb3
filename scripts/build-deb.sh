#!/usr/bin/env bash
# Builds the Debian package from a build folder (default build/release) and
# checks it: its file list (programs, plug-ins, data, desktop entry, icon, man
# page, completion), its dependencies (named, and resolvable here by apt), and
# that its host starts offscreen from the unpacked files. Prints the package's
# path on success.
#   bash scripts/build-deb.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

if [[ ! -f "$build/CPackConfig.cmake" ]]; then
    cmake --preset release
fi
cmake --build "$build" --target install_parts -j "${VESK_JOBS:-2}"
(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
package=$(ls -t "$build"/3dvesk_"$version"_*.deb | head -n 1)

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
for path in ./usr/bin/vesk ./usr/bin/vesk-cli ./usr/lib/3dvesk/lib3dvesk.so ./usr/lib/3dvesk/libvesk_framework.so \
    ./usr/share/3dvesk/data/S3Cdt.dat ./usr/share/3dvesk/data/draws-3d.txt ./usr/share/3dvesk/Skin/BlueBtn.bmp \
    ./usr/share/applications/net.vesk3d.Vesk.desktop ./usr/share/metainfo/net.vesk3d.Vesk.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/net.vesk3d.Vesk.png ./usr/share/icons/hicolor/256x256/apps/net.vesk3d.Vesk.png \
    ./usr/share/man/man1/vesk-cli.1 ./usr/share/bash-completion/completions/vesk-cli; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
grep -q 'libnotifyprobe' <<<"$contents" && fail "the package holds a test plug-in"
depends=$(dpkg-deb -f "$package" Depends)
for dependency in libqt6widgets6 libqt6printsupport6 libqt6charts6 libc6 qt6-qpa-plugins qt6-translations-l10n; do
    grep -q "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

# Its dependencies resolve on this system (a simulation: nothing is installed).
if command -v apt-get >/dev/null; then
    apt-get -s install "$(realpath "$package")" >/dev/null 2>&1 || fail "apt cannot resolve the package's dependencies here"
fi

# The unpacked files are an installed tree under usr/.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
bash tests/install/check_installed_prefix.sh "$unpacked/usr" "$build" >/dev/null || fail "the unpacked package fails its checks"

if ((failures)); then
    echo "$failures check(s) failed for $package" >&2
    exit 1
fi
echo "$package"
