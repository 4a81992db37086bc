#!/usr/bin/env bash
# A fuzzing campaign: each file-reader fuzzer (tests/fuzz, built with clang in build/fuzz) runs FUZZ_RUNS inputs,
# 10 million by default, one target after the other at low priority, and the figures are printed:
# inputs, seconds, inputs per second, coverage (edges and features), corpus size, crashes.
# Logs and any crashing input: build/fuzz/campaign-<target>.log, build/fuzz/campaign-<target>-crash-*.
# FUZZ_TARGETS picks targets (default "icons_reader settings_reader").
# No -e: a fuzzer that finds a crash exits non-zero, and the other targets must still run.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/fuzz
RUNS=${FUZZ_RUNS:-10000000}
bash "$ROOT/scripts/setup.sh" || exit 1
source "$ROOT/scripts/build_env.sh"
configure_and_build --nice fuzz build/fuzz -DZELT_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -- \
    icons_reader_fuzz settings_reader_fuzz
mkdir -p "$OUT/icons_reader_corpus" "$OUT/settings_reader_corpus"
cd "$OUT"
status=0
for target in ${FUZZ_TARGETS:-icons_reader settings_reader}; do
    seeds=$ROOT/tests/fuzz/corpus
    [ $target = settings_reader ] && seeds=$ROOT/tests/fuzz/settings_corpus
    log=$OUT/campaign-$target.log
    start=$(date +%s)
    nice -n 10 ./bin/${target}_fuzz -runs="$RUNS" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$OUT/campaign-$target-" "$OUT/${target}_corpus" "$seeds" >"$log" 2>&1
    s=$?
    seconds=$(( $(date +%s) - start ))
    [ $s -ne 0 ] && status=$s
    crashes=$(ls "$OUT"/campaign-$target-crash-* "$OUT"/campaign-$target-leak-* "$OUT"/campaign-$target-timeout-* 2>/dev/null | wc -l)
    inputs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    last=$(grep -E '^#[0-9]+' "$log" | tail -1)
    cov=$(echo "$last" | grep -oE 'cov: [0-9]+'); ft=$(echo "$last" | grep -oE 'ft: [0-9]+')
    corp=$(echo "$last" | grep -oE 'corp: [0-9]+/[0-9]+[a-zA-Z]*')
    echo "$target: ${inputs:-?} inputs in ${seconds} s ($(( ${inputs:-0} / (seconds > 0 ? seconds : 1) ))/s), $cov, $ft, $corp, crashes: $crashes, exit $s"
done
exit $status
