#!/usr/bin/env bash
# Runs the fuzz targets for longer than the suite does.
#   tools/fuzz.sh [seconds per target, default 3600] [target ...]
# Build them first with ./test.sh. New inputs go to build/fuzz/<target>;
# a crash or broken property leaves its input in build/fuzz/findings.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-3600}
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(fuzz_recordchecks fuzz_byteforms fuzz_downloadframes
                                        fuzz_receivedtext fuzz_frameparser fuzz_projectreader
                                        fuzz_answerframer fuzz_groupaddresses fuzz_tablecsv
                                        fuzz_telnetreader fuzz_datapoints fuzz_tablexlsx
                                        fuzz_knxframes fuzz_busapdu)
mkdir -p "$top/build/fuzz/findings"
for target in "${targets[@]}"; do
    program="$top/build/test/tests/fuzz/$target"
    [[ -x $program ]] || { echo "No $program: run ./test.sh first" >&2; exit 1; }
    mkdir -p "$top/build/fuzz/$target"
    echo "== $target, $seconds s"
    "$program" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$top/build/fuzz/findings/$target-" \
        "$top/build/fuzz/$target" "$top/tests/fuzz/corpus/$target" 2>&1 |
        grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|==|SUMMARY)|property broken|Done'
done
