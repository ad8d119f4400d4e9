#!/usr/bin/env bash
# Fails when any C++ file of the source tree is not laid out as .clang-format says.
# The files are found on disk, so a copy that is not a git checkout is checked too;
# build folders inside the tree are not sources.
set -euo pipefail
cd "$1"
find . -type d \( -name 'build*' -o -name '.git' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
