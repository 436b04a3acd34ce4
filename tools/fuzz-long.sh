#!/usr/bin/env bash
# Runs the fuzz targets for a long time: 10 million executions each unless a
# count is given, one target after the other. Every target grows its corpus
# in build-fuzz/fuzz-corpus/<target> (kept for the next run) from its seeds
# in fuzz/corpus/<target>; a fault stops that target and leaves its input in
# build-fuzz/fuzz-artifacts. The output of each target is in build-fuzz/fuzz-logs.
#
#   bash tools/fuzz-long.sh [runs [target...]]
#   bash tools/fuzz-long.sh 10000000 fuzz_module1 fuzz_picturebox
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
build_fuzz_targets

runs="${1:-10000000}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for options in "$TRACOL_FUZZ_BUILD"/fuzz-options/*; do
        targets+=("$(basename "$options")")
    done
fi

mkdir -p "$TRACOL_FUZZ_BUILD/fuzz-logs" "$TRACOL_FUZZ_BUILD/fuzz-artifacts"
failed=()
for target in "${targets[@]}"; do
    corpus="$TRACOL_FUZZ_BUILD/fuzz-corpus/$target"
    log="$TRACOL_FUZZ_BUILD/fuzz-logs/$target.log"
    mkdir -p "$corpus"
    mapfile -t options < "$TRACOL_FUZZ_BUILD/fuzz-options/$target"
    echo "== $target: $runs executions (log: $log)"
    # A smaller quarantine keeps the memory of a long run in bounds.
    if ASAN_OPTIONS=quarantine_size_mb=64 QT_QPA_PLATFORM=offscreen \
        "$TRACOL_FUZZ_BUILD/fuzz/$target" "${options[@]}" -runs="$runs" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$TRACOL_FUZZ_BUILD/fuzz-artifacts/$target-" "$corpus" "$TRACOL_ROOT/fuzz/corpus/$target" \
        > "$log" 2>&1; then
        grep -E "^stat::(number_of_executed_units|average_exec_per_sec)" "$log" || true
        echo "   corpus: $(find "$corpus" -type f | wc -l) inputs"
    else
        echo "   FAULT: see $log and $TRACOL_FUZZ_BUILD/fuzz-artifacts/$target-*"
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Faults found by: ${failed[*]}"
    exit 1
fi
echo "No faults found."
