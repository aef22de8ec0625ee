#!/bin/sh
# Builds the fuzz targets with clang and runs each from its seeds for a bounded time; a crash,
# a leak or a sanitizer report fails the run and leaves the input in build-fuzz/artefakty.
# Usage: tests/fuzz/uruchom.sh [seconds per target, default 20]
set -e
cd "$(dirname "$0")/../.."
sh tools/deps.sh --fuzz
CZAS=${1:-20}
KATALOG=build-fuzz
CELE="odbior ustawienia oscyloskop odpowiedzi_elm teksty opisy_kodow"
CC=clang CXX=clang++ cmake -S . -B "$KATALOG" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DSELVAR_FUZZ=ON -DSELVAR_BENCH=OFF >/dev/null
# shellcheck disable=SC2046 # one target name per word
cmake --build "$KATALOG" --target $(for c in $CELE; do printf 'fuzz_%s ' "$c"; done)
ROBOCZY=$(mktemp -d)
trap 'rm -rf "$ROBOCZY"' EXIT
mkdir -p "$KATALOG/artefakty"
for c in $CELE; do
    echo "fuzz_$c: $CZAS s"
    mkdir "$ROBOCZY/$c"
    # New finds go to a scratch folder: the committed seeds stay as reviewed.
    if ! "$KATALOG/tests/fuzz/fuzz_$c" -max_total_time="$CZAS" -max_len=8192 -timeout=10 \
        -artifact_prefix="$KATALOG/artefakty/$c-" "$ROBOCZY/$c" "tests/fuzz/corpus/$c" \
        >"$ROBOCZY/$c.log" 2>&1; then
        cat "$ROBOCZY/$c.log"
        exit 1
    fi
    tail -n 1 "$ROBOCZY/$c.log"
done
