#!/usr/bin/env bash
# The README's run command. Until the utility's window exists, it builds the host tools and
# shows the monitor layer at work on the simulated monitors: the usual colour-page bracket on the
# typical monitor, then the same on the monitor with odd answers, then the benchmark figures.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$DIMORA_ROOT"
cmake -S . -B "$DIMORA_BUILD/host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$DIMORA_BUILD/host" -j "$(nproc)" >/dev/null
ddcdiag=$DIMORA_BUILD/host/tools/ddcdiag/ddcdiag
for monitor in typical odd; do
  echo "== ddcdiag run --sim sim/monitors/$monitor.txt"
  "$ddcdiag" run --sim "sim/monitors/$monitor.txt" <"tools/ddcdiag/cases/run-$monitor.in" || true
done
echo "== benchmark"
"$DIMORA_BUILD/host/bench/ddc_bench"
