#!/usr/bin/env bash
# Builds the icons.dat reader's fuzzer with clang (libFuzzer, ASan, UBSan) and runs it for a bounded
# time, 30 s by default (FUZZ_SECONDS). Exits non-zero when the fuzzer finds a crash.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/fuzz
SECONDS_TO_RUN=${FUZZ_SECONDS:-30}
mkdir -p "$OUT/corpus"

clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$ROOT" \
    "$ROOT/tests/fuzz/icons_reader_fuzz.cpp" \
    "$ROOT/launcher/board/icon_table.cpp" \
    "$ROOT/launcher/board/board_geometry.cpp" \
    "$ROOT/launcher/common/paths.cpp" \
    "$ROOT/launcher/common/text.cpp" \
    "$ROOT/launcher/common/platform.cpp" \
    -o "$OUT/icons_reader_fuzz"

# New inputs go to the build folder; the seeds in the tree stay as they are.
cd "$OUT"
status=0
./icons_reader_fuzz -max_total_time="$SECONDS_TO_RUN" -max_len=4096 -timeout=10 \
    -artifact_prefix="$OUT/" "$OUT/corpus" "$ROOT/tests/fuzz/corpus" >"$OUT/fuzz.log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
    grep -E "ERROR|SUMMARY|runtime error|deadly signal" "$OUT/fuzz.log" | head -20
fi
tail -1 "$OUT/fuzz.log"
exit $status
