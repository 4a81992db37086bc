#!/usr/bin/env bash
# Builds the two file-reader fuzzers with clang (libFuzzer, ASan, UBSan) and runs each for a bounded
# time, 15 s by default (FUZZ_SECONDS):
#   icons_reader_fuzz     icons.dat: tests/fuzz/icons_reader_fuzz.cpp + launcher/board/icon_table.cpp,
#                         launcher/board/paths.cpp
#   settings_reader_fuzz  setting.ini's conversions: tests/fuzz/settings_reader_fuzz.cpp +
#                         launcher/settings/settings_store.cpp
# FUZZ_BUILD_ONLY=1 only builds them (scripts/fuzz_campaign.sh does). Exits non-zero on a crash.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/fuzz
SECONDS_TO_RUN=${FUZZ_SECONDS:-15}
mkdir -p "$OUT/icons_reader_corpus" "$OUT/settings_reader_corpus"

build() {
    local name=$1; shift
    clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
        -I"$ROOT" "$@" -o "$OUT/$name"
}
build icons_reader_fuzz "$ROOT/tests/fuzz/icons_reader_fuzz.cpp" \
    "$ROOT/launcher/board/icon_table.cpp" "$ROOT/launcher/board/paths.cpp"
build settings_reader_fuzz "$ROOT/tests/fuzz/settings_reader_fuzz.cpp" "$ROOT/launcher/settings/settings_store.cpp"
[ "${FUZZ_BUILD_ONLY:-0}" = 1 ] && exit 0

# New inputs go to the build folder; the seeds in the tree stay as they are.
cd "$OUT"
status=0
run() {
    local name=$1 seeds=$2 s=0
    ./${name}_fuzz -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 \
        -artifact_prefix="$OUT/$name-" "$OUT/${name}_corpus" "$seeds" >"$OUT/$name.log" 2>&1 || s=$?
    if [ $s -ne 0 ]; then
        grep -E "ERROR|SUMMARY|runtime error|deadly signal" "$OUT/$name.log" | head -20
        status=$s
    fi
    echo "$name: $(tail -1 "$OUT/$name.log")"
}
run icons_reader "$ROOT/tests/fuzz/corpus"
run settings_reader "$ROOT/tests/fuzz/settings_corpus"
exit $status
