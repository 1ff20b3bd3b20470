#!/usr/bin/env bash
# The README's test command: sets up, builds the host, sanitizer and Windows builds, runs every
# test (host natively, Windows under Wine) and ends with "N passed, N failed".
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" || { echo "0 passed, 1 failed"; exit 1; }
cd "$DIMORA_ROOT"

jobs=$(nproc)
passed=0
failed=0

# build NAME CMAKE-ARGS...: configures and builds; a failed build counts as one failed test.
build() {
  local name=$1
  shift
  echo "== build $name"
  if cmake -S . -B "$DIMORA_BUILD/$name" -G Ninja "$@" >"$DIMORA_BUILD/$name.configure.log" 2>&1 &&
     cmake --build "$DIMORA_BUILD/$name" -j "$jobs" >"$DIMORA_BUILD/$name.build.log" 2>&1; then
    return 0
  fi
  tail -n 40 "$DIMORA_BUILD/$name.configure.log" "$DIMORA_BUILD/$name.build.log"
  failed=$((failed + 1))
  return 1
}

# run_tests NAME [CTEST-ARGS...]: runs the build's CTest suite and adds its counts.
run_tests() {
  local name=$1
  shift
  local log="$DIMORA_BUILD/$name.test.log"
  echo "== test $name"
  ctest --test-dir "$DIMORA_BUILD/$name" -j "$jobs" --output-on-failure "$@" >"$log" 2>&1
  local summary total bad
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$summary" ]; then
    tail -n 40 "$log"
    failed=$((failed + 1))
    return
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
  [ "$bad" -gt 0 ] && grep -E '^\s+[0-9]+ - ' "$log" | head -n 50
  echo "   $summary"
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

build host -DCMAKE_BUILD_TYPE=RelWithDebInfo && run_tests host
build host-asan -DCMAKE_BUILD_TYPE=Debug -DDIMORA_SANITIZE=ON && run_tests host-asan
# The fuzz targets (clang, libFuzzer): each over its seed corpus plus a few seconds of fuzzing,
# counted as one test each.
echo "== test fuzz"
bash scripts/fuzz.sh check 5 >"$DIMORA_BUILD/fuzz.test.log" 2>&1
fuzz_counts=$(tail -n 1 "$DIMORA_BUILD/fuzz.test.log")
if [[ $fuzz_counts =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
  grep -A8 'FAILED' "$DIMORA_BUILD/fuzz.test.log"
  echo "   fuzz: $fuzz_counts"
  passed=$((passed + BASH_REMATCH[1]))
  failed=$((failed + BASH_REMATCH[2]))
else
  tail -n 40 "$DIMORA_BUILD/fuzz.test.log"
  failed=$((failed + 1))
fi
# Under Wine, a test that drives another process's windows and keyboard can lose a timing race
# (input and activation pass through the X server); such a test gets one more run, and the log
# keeps both.
wine_retry=(--repeat until-pass:2)
# The shipped 32-bit programs always build; their tests run under Wine where it can run 32-bit
# code, otherwise the same sources are tested as a 64-bit build.
if build windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release; then
  if [ "$DIMORA_WINE_BITS" = 32 ]; then
    run_tests windows "${wine_retry[@]}"
  else
    echo "   (this machine cannot run 32-bit code: the Windows tests run on the 64-bit build)"
    build windows64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release &&
      run_tests windows64 "${wine_retry[@]}"
  fi
fi

"$WINESERVER" -k >/dev/null 2>&1 || true
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
