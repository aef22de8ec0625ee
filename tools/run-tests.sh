#!/bin/sh
# Builds everything with warnings as errors, AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs the whole test suite: one build that catches both wrong results and memory faults.
# With --plain the build has no sanitizers (faster to run, for a quick check by hand).
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
KATALOG=build-asan
OPCJE="-DSELVAR_WERROR=ON -DSELVAR_SANITIZE=ON"
if [ "$1" = "--plain" ]; then
    KATALOG=build-tests
    OPCJE="-DSELVAR_WERROR=ON"
fi
cmake -S . -B "$KATALOG" -G Ninja -DCMAKE_BUILD_TYPE=Debug $OPCJE >/dev/null
cmake --build "$KATALOG"
# Most suites wait on simulators in real time, so four at once keep two cores busy.
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} ctest --test-dir "$KATALOG" --output-on-failure -j4
