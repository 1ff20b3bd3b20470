#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/, clang with libFuzzer, ASan and UBSan) and runs them.
#   scripts/fuzz.sh check [SECONDS]        each target over its seed corpus, then SECONDS (5) of
#                                          fuzzing; ends with "N passed, N failed" (the test command
#                                          counts each target as one test)
#   scripts/fuzz.sh long [SECONDS] [NAME...]  each named target (all by default) in turn, at the
#                                          lowest priority and one job, until SECONDS (3600) or
#                                          10 million executions; its corpus grows in
#                                          $DIMORA_BUILD/fuzz-corpus/NAME and the executions and
#                                          coverage are printed per target
# A failing input is kept in $DIMORA_BUILD/fuzz-artifacts/; replay it with
# `$DIMORA_BUILD/fuzz/fuzz_NAME FILE`, then add it to fuzz/corpus/NAME/ once fixed.
set -uo pipefail
DIMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
DIMORA_BUILD=${DIMORA_BUILD:-$DIMORA_ROOT/build}
mode=${1:-check}
seconds=${2:-}
shift $(($# > 2 ? 2 : $#))
tree=$DIMORA_BUILD/fuzz
artifacts=$DIMORA_BUILD/fuzz-artifacts
all_targets=(capabilities vendor_pages monitor_information identity_blocks launcher_info
             adjustment_record registry_values def_filter command_message)
targets=("${@:-${all_targets[@]}}")
mkdir -p "$DIMORA_BUILD" "$artifacts"

echo "== build fuzz"
if ! { CC=clang CXX=clang++ cmake -S "$DIMORA_ROOT/fuzz" -B "$tree" -G Ninja \
         -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$tree.configure.log" 2>&1 &&
       nice cmake --build "$tree" -j "$(nproc)" >"$tree.build.log" 2>&1; }; then
  tail -n 40 "$tree.configure.log" "$tree.build.log" 2>/dev/null
  echo "0 passed, ${#targets[@]} failed"
  exit 1
fi

# The last status line of a run: executions, coverage (cov) and features (ft).
summary() {
  grep -E '^#[0-9]+' "$1" | tail -n 1 | sed -E 's/^#([0-9]+)\s+\w+\s+cov: ([0-9]+) ft: ([0-9]+).*/\1 executions, cov \2, ft \3/'
}

passed=0
failed=0
for name in "${targets[@]}"; do
  log=$tree/$name.$mode.log
  if [ "$mode" = long ]; then
    corpus=$DIMORA_BUILD/fuzz-corpus/$name
    mkdir -p "$corpus"
    args=(-max_total_time="${seconds:-3600}" -runs=10000000)
    run=(nice -n 19)
  else
    corpus=$(mktemp -d)
    args=(-max_total_time="${seconds:-5}")
    run=()
  fi
  "${run[@]}" "$tree/fuzz_$name" "$corpus" "$DIMORA_ROOT/fuzz/corpus/$name" "${args[@]}" \
    -artifact_prefix="$artifacts/$name-" -print_final_stats=1 >"$log" 2>&1
  status=$?
  [ "$mode" = long ] || rm -rf "$corpus"
  if [ $status -eq 0 ]; then
    echo "   fuzz_$name: passed ($(summary "$log"))"
    passed=$((passed + 1))
  else
    echo "   fuzz_$name: FAILED (log $log)"
    grep -E 'ERROR|invariant broken|SUMMARY|Test unit written' "$log" | head -n 8
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
