#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, run and test, when missing.
set -euo pipefail
pakiety=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
         qt6-svg-dev libgl-dev libsqlite3-dev libicu-dev libgtest-dev libgmock-dev
         libbenchmark-dev poppler-utils fonts-liberation xauth xvfb dpkg-dev file
         desktop-file-utils appstream pxlib-dev pkg-config
         libzint-dev zbar-tools lintian libpq-dev postgresql clang
         clang-format libclang-rt-14-dev lld)
brak=()
for p in "${pakiety[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || brak+=("$p")
done
if [ ${#brak[@]} -gt 0 ]; then
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${brak[@]}"
fi
