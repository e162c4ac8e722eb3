#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: it only
# installs what is missing, and refreshes the package index once per run.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git ccache
  clang clang-14 libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6charts6-dev libqt6opengl6-dev
  qt6-qpa-plugins libgl1-mesa-dev qt6-translations-l10n
  fonts-wqy-zenhei
  nlohmann-json3-dev libpng-dev
  xvfb xauth hyperfine
  python3-xlrd libreoffice-calc-nogui poppler-utils
  dpkg-dev appstream desktop-file-utils man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
echo "setup: all packages present"
