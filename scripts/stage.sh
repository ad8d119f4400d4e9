# Sourced by the scripts: one line says what each stage is doing, its output is shown as
# it comes and kept in a log, and a failing stage ends with its name, its first error and
# the log's path, so the reason is not lost above a wall of output.
#
#     stage "building" cmake --build build
#
# Logs go to $TESSARON_LOG_DIR (default: logs/ in the build folder).

stage() {
    local name=$1
    shift
    local dir=${TESSARON_LOG_DIR:-${TESSARON_BUILD_DIR:-$root/build}/logs}
    mkdir -p "$dir"
    local log="$dir/${name//[^A-Za-z0-9]/-}.log"
    local started=$SECONDS status=0
    echo "tessaron: $name"
    # Inside a list that ends in ||, errexit stops nothing: the pipeline's first status is
    # read before anything else runs.
    { "$@" 2>&1 | tee "$log"; status=${PIPESTATUS[0]}; } || true
    if ((status != 0)); then
        stage_failed "$name" "$status" "$log"
        exit "$status"
    fi
    echo "tessaron: $name: done in $((SECONDS - started)) s"
}

# The first line that reads as an error, with a little context, then where the rest is.
stage_failed() {
    local name=$1 status=$2 log=$3 first
    first=$(grep -n -m1 -E '(^E: |error:|Error:|FAILED|FAIL!|Failed|\*\*\*Timeout|runtime error|Sanitizer|not found|No such file)' "$log" | cut -d: -f1)
    {
        echo
        echo "tessaron: $name failed (status $status)."
        if [[ -n $first ]]; then
            echo "tessaron: the first error, at line $first of the log:"
            sed -n "$((first > 3 ? first - 3 : 1)),$((first + 6))p" "$log" | sed 's/^/    /'
        else
            echo "tessaron: its last lines:"
            tail -n 10 "$log" | sed 's/^/    /'
        fi
        echo "tessaron: the whole output is in $log"
    } >&2
}
