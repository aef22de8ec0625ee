#!/bin/sh
# Installs the Debian packages the build needs (and poppler-utils, whose pdftoppm the report
# test renders with), only when one is missing.
set -e
# With --fuzz also clang and its libFuzzer runtime, which only the fuzz targets need.
PAKIETY="cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev clang-format poppler-utils"
[ "$1" = "--fuzz" ] && PAKIETY="$PAKIETY clang libclang-rt-14-dev"
BRAK=""
for p in $PAKIETY; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || BRAK="$BRAK $p"
done
[ -z "$BRAK" ] && exit 0
echo "installing:$BRAK"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $BRAK
