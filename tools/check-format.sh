#!/bin/sh
# Fails when a C++ file differs from the committed .clang-format.
set -e
cd "$(dirname "$0")/.."
sh tools/deps.sh
if [ -d .git ]; then
    PLIKI=$(git ls-files '*.cpp' '*.h')
else
    PLIKI=$(find src sim tests bench tools -name '*.cpp' -o -name '*.h')
fi
# shellcheck disable=SC2086
clang-format --dry-run --Werror $PLIKI
