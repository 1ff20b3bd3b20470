#!/bin/sh
# fresh_prefix.sh PREFIX PROGRAM [ARGS...]: runs a Windows program under Wine in a prefix made
# for it, as a machine that never had our software; ends every Wine process of that prefix after.
prefix=$1
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$prefix"
mkdir -p "$prefix"
export WINEPREFIX="$prefix"
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINESERVER=/usr/lib/wine/wineserver32
else
  export WINESERVER=/usr/lib/wine/wineserver64
fi
# No desktop entries on the host for the shortcuts the package makes.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
# Wine's services start here, away from the test's output: CTest waits for every process that
# holds that output open.
"$root/scripts/wine-run" wineboot.exe --init >/dev/null 2>&1 </dev/null
"$root/scripts/wine-run" "$@"
status=$?
"$WINESERVER" -k >/dev/null 2>&1
"$WINESERVER" -w >/dev/null 2>&1
# A failed run keeps its prefix for a look.
[ "$status" -eq 0 ] && rm -rf "$prefix"
exit $status
