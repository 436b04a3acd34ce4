#!/usr/bin/env bash
# Runs the fuzz targets for a long time: 10 million executions each unless a
# count is given, one target after the other. The output of each target is in
# build-fuzz/fuzz-logs; a fault stops that target and leaves its input in
# build-fuzz/fuzz-artifacts.
#
# A long campaign takes several runs, so each run goes on where the last one
# ended: a target's corpus grows in build-fuzz/fuzz-corpus/<target>, starting
# from fuzz/grown/<target>.tar.gz when that folder is empty (and from its seeds
# in fuzz/corpus/<target>). After a run without a fault the corpus, merged to
# the inputs that add coverage, goes back to fuzz/grown, and every run is
# written down in fuzz/grown/runs.tsv with its executions; commit both. Ctrl-C
# stops the target running (its run is kept and written down) and the rest.
#
#   bash tools/fuzz-long.sh [runs [target...]]
#   bash tools/fuzz-long.sh 10000000 fuzz_module1 fuzz_picturebox
#   bash tools/fuzz-long.sh --record target...   keeps and writes down the last
#                                                 run of targets stopped otherwise
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

GROWN="$TRACOL_ROOT/fuzz/grown"
LEDGER="$GROWN/runs.tsv"
# libFuzzer's exit code when it was interrupted.
INTERRUPTED=72
# The last line of a log whose run is written down already.
RECORDED="== written down in fuzz/grown/runs.tsv"

corpus_of() { echo "$TRACOL_FUZZ_BUILD/fuzz-corpus/$1"; }
log_of() { echo "$TRACOL_FUZZ_BUILD/fuzz-logs/$1.log"; }

restore_grown_corpus() {
    local target="$1" corpus
    corpus="$(corpus_of "$target")"
    mkdir -p "$corpus"
    if [ -f "$GROWN/$target.tar.gz" ] && [ -z "$(ls -A "$corpus")" ]; then
        tar -xzf "$GROWN/$target.tar.gz" -C "$corpus"
    fi
}

# The corpus merged into a fresh folder (only inputs that add coverage stay),
# packed the same way every time so that an unchanged corpus is an unchanged file.
keep_grown_corpus() {
    local target="$1" corpus merged
    corpus="$(corpus_of "$target")"
    merged="$(mktemp -d)"
    local -a options
    mapfile -t options < "$TRACOL_FUZZ_BUILD/fuzz-options/$target"
    QT_QPA_PLATFORM=offscreen "$TRACOL_FUZZ_BUILD/fuzz/$target" "${options[@]}" -merge=1 \
        "$merged" "$corpus" > "$TRACOL_FUZZ_BUILD/fuzz-logs/$target.merge.log" 2>&1
    mkdir -p "$GROWN"
    tar --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner -C "$merged" -cf - . |
        gzip -n > "$GROWN/$target.tar.gz.part"
    mv "$GROWN/$target.tar.gz.part" "$GROWN/$target.tar.gz"
    echo "   kept: $(find "$merged" -type f | wc -l) inputs in fuzz/grown/$target.tar.gz"
    rm -rf "$merged"
}

# The executions of the target's last run, from libFuzzer's final figures or,
# for a run cut short, from its last progress line.
executions_in_log() {
    local log="$1" count
    count="$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}' | tail -n 1 || true)"
    if [ -z "$count" ]; then
        count="$(grep -E '^#[0-9]+' "$log" | tail -n 1 | awk '{print substr($1, 2)}' || true)"
    fi
    echo "${count:-0}"
}

record_run() {
    local target="$1" outcome="$2" executions corpus_size total
    executions="$(executions_in_log "$(log_of "$target")")"
    corpus_size="$(find "$(corpus_of "$target")" -type f | wc -l)"
    mkdir -p "$GROWN"
    [ -f "$LEDGER" ] || printf 'date\ttarget\texecutions\tcorpus\toutcome\n' > "$LEDGER"
    printf '%s\t%s\t%s\t%s\t%s\n' "$(date -u +%F)" "$target" "$executions" "$corpus_size" "$outcome" >> "$LEDGER"
    total="$(awk -F'\t' -v t="$target" '$2 == t && $5 != "fault" { s += $3 } END { print s + 0 }' "$LEDGER")"
    echo "   $executions executions ($outcome), corpus $corpus_size; without a fault in all runs: $total"
    echo "$RECORDED" >> "$(log_of "$target")"
}

# Writes the run down and, unless it found a fault, keeps its corpus; fails
# on a fault.
finish_run() {
    local target="$1" outcome="$2"
    record_run "$target" "$outcome"
    if [ "$outcome" = "fault" ]; then
        echo "   FAULT: see $(log_of "$target") and $TRACOL_FUZZ_BUILD/fuzz-artifacts/$target-*"
        return 1
    fi
    keep_grown_corpus "$target"
}

install_missing "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
build_fuzz_targets
mkdir -p "$TRACOL_FUZZ_BUILD/fuzz-logs" "$TRACOL_FUZZ_BUILD/fuzz-artifacts"

if [ "${1:-}" = "--record" ]; then
    shift
    for target in "$@"; do
        echo "== $target: the last run"
        log="$(log_of "$target")"
        if [ "$(tail -n 1 "$log")" = "$RECORDED" ]; then
            echo "   written down already"
            continue
        elif grep -qE '^==[0-9]+==.*(ERROR|deadly signal)|^property failed|^SUMMARY: ' "$log"; then
            outcome="fault"
        elif grep -qE '^Done [0-9]+ runs' "$log"; then
            outcome="no report"
        else
            outcome="stopped"
        fi
        finish_run "$target" "$outcome" || true
    done
    exit 0
fi

runs="${1:-10000000}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for options in "$TRACOL_FUZZ_BUILD"/fuzz-options/*; do
        targets+=("$(basename "$options")")
    done
fi

failed=()
for target in "${targets[@]}"; do
    restore_grown_corpus "$target"
    log="$(log_of "$target")"
    mapfile -t options < "$TRACOL_FUZZ_BUILD/fuzz-options/$target"
    echo "== $target: $runs executions (log: $log)"
    # A smaller quarantine keeps the memory of a long run in bounds, and so
    # does not keeping the call stack of every allocation: that store grows
    # over millions of inputs and took half the time of the fitting driver's
    # target (about 80 executions a second with it, 150 without, and half the
    # memory). A report still names the fault and where it happened; running
    # the kept input again (build-fuzz/fuzz/<target> <input>) shows where the
    # memory was allocated and freed. The limit on memory is raised above
    # libFuzzer's 2 GB all the same.
    status=0
    ASAN_OPTIONS=quarantine_size_mb=64:malloc_context_size=0 QT_QPA_PLATFORM=offscreen \
        "$TRACOL_FUZZ_BUILD/fuzz/$target" "${options[@]}" -runs="$runs" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 \
        -artifact_prefix="$TRACOL_FUZZ_BUILD/fuzz-artifacts/$target-" \
        "$(corpus_of "$target")" "$TRACOL_ROOT/fuzz/corpus/$target" > "$log" 2>&1 || status=$?
    case $status in
    0) outcome="no report" ;;
    "$INTERRUPTED") outcome="interrupted" ;;
    *) outcome="fault" ;;
    esac
    if ! finish_run "$target" "$outcome"; then
        failed+=("$target")
        continue
    fi
    [ "$outcome" = "interrupted" ] && break
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "Faults found by: ${failed[*]}"
    exit 1
fi
echo "No faults found."
