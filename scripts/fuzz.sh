#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ (or $TESSARON_FUZZ_DIR), and runs each on the seed corpus in
# tests/fuzz/corpus for SECONDS seconds (default 15), or for RUNS inputs with
# --runs RUNS. New inputs go to a scratch folder: the kept corpus stays as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARON_FUZZ_DIR:-$root/build-fuzz}
limit=(-max_total_time="${1:-15}")
if [[ ${1:-} == --runs ]]; then
    limit=(-runs="$2")
fi
source "$root/scripts/stage.sh"
export TESSARON_LOG_DIR=$build/logs
stage "fuzzing: configuring" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTESSARON_FUZZ=ON -DBUILD_TESTING=OFF -DTESSARON_BENCH=OFF
stage "fuzzing: building" cmake --build "$build" --target fuzz_namecheck fuzz_settings fuzz_commandline
# New inputs, and the files the targets write (the settings target writes one for
# each input), stay in memory: on disk the settings target runs four times slower.
scratch=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/tmp"
export QT_QPA_PLATFORM=offscreen TMPDIR=$scratch/tmp
for target in namecheck settings commandline; do
    mkdir -p "$scratch/$target"
    echo "tessaron: fuzzing fuzz_$target"
    status=0
    (cd "$scratch" && "$build/fuzz_$target" "${limit[@]}" -rss_limit_mb=2048 -print_final_stats=1 \
        "$scratch/$target" "$root/tests/fuzz/corpus/$target" >"$scratch/$target.log" 2>&1) ||
        status=$?
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$scratch/$target.log" || true
    # A sanitizer's report fails the run even when the target went on to the end.
    if grep -qE '(runtime error:|ERROR: (Address|Leak|UndefinedBehavior)Sanitizer)' "$scratch/$target.log"; then
        status=1
    fi
    if [[ $status -ne 0 ]]; then
        tail -40 "$scratch/$target.log"
        echo "fuzz_$target found a fault: the input is copied here; put it in"
        echo "tests/fuzz/corpus/$target so that the test fuzz_${target}_corpus keeps trying it"
        cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$root" 2>/dev/null || true
        exit 1
    fi
done
