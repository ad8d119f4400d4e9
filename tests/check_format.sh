#!/usr/bin/env bash
# Fails when any C++ file of the repository is not laid out as .clang-format says.
set -euo pipefail
cd "$1"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
