#!/bin/sh
# Builds the application and starts it in demo mode against the simulators.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVAR_BENCH=OFF >/dev/null
cmake --build build --target selvar selvar-sim elm327-sim
exec build/src/app/selvar --demo "$@"
