#!/bin/sh
# Builds everything with warnings as errors and runs the whole test suite.
# With --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
KATALOG=build-tests
OPCJE="-DSELVAR_WERROR=ON"
if [ "$1" = "--sanitize" ]; then
    KATALOG=build-asan
    OPCJE="$OPCJE -DSELVAR_SANITIZE=ON -DSELVAR_BENCH=OFF"
fi
cmake -S . -B "$KATALOG" -G Ninja -DCMAKE_BUILD_TYPE=Debug $OPCJE >/dev/null
cmake --build "$KATALOG"
# Most suites wait on simulators in real time, so four at once keep two cores busy.
ctest --test-dir "$KATALOG" --output-on-failure -j4
