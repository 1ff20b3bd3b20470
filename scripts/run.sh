#!/usr/bin/env bash
# The README's run command: builds the Windows programs and starts the utility under Wine beside
# the simulated dxva2.dll and libpanq.dll, on the monitors of sim/monitors/dual.txt (another
# description with DIMORA_MONITORS=sim/monitors/NAME.txt). With a display it runs until you choose
# Exit in its notification-area menu. Without one it runs on Xvfb and photographs every window of
# the utility (the notification menu, the main window and its pages, the About box, the dialogs,
# the reminder's balloon, the EyeCare Filter dialog previewing a default picture, the shortcut
# keys' on-screen value from its preview) and of the disk
# menu, launcher (on the disk folder the build lays out, build/<tree>/disk/), in English and in
# Japanese, at 96, 120 and 144 dpi (DIMORA_SHOTS_DPI="96" for fewer), into build/shots/, with
# build/shots/index.html and build/shots/contact-sheet.png to see them all at once; then it prints
# the benchmarks: the utility's start-up and idle cost against a bare notification-area program,
# the disk menu's start-up against a bare window that reads the disk's description, the
# monitor layer, the colour page, the watcher's tick against its floor and the filter dialog. With a display the disk menu starts after the utility has ended. The
# disk folder gets the utility's installer package and its image
# (build/<tree>/OrvaneLcdUtilityDisk.iso); without a display the package is installed from it,
# the installed utility photographed and the package removed again.
# `run.sh bench` prints only the benchmarks (DIMORA_BENCH_ROUNDS rounds, default 5;
# DIMORA_IDLE_SECONDS for the idle one, default 60).
# `run.sh soak` builds only the utility, the driver and a plain program to put in front, and runs
# the soak: the utility driven on the simulated monitors through DIMORA_SOAK_ACTIONS actions
# (default 600, a few minutes) of display changes, suspend and resume, unlock, its dialogs opened,
# moved, previewed and cancelled, foreground switches between two registered applications and
# reminder balloons, its GDI objects, USER objects, handles and private bytes sampled every 100
# actions; it prints the table and the verdict (after a warm-up no counter grows), in a Wine
# prefix of its own (build/wineprefix-soak).
set -euo pipefail
headless=0
[ -n "${DISPLAY:-}" ] || headless=1
only_bench=0
[ "${1:-}" = bench ] && only_bench=1
soak=0
[ "${1:-}" = soak ] && soak=1
# The soak's prefix keeps the applications it registers and the reminder it switches on away from
# the screenshots and the tests.
if [ "$soak" = 1 ]; then
  build_root=${DIMORA_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}
  export DIMORA_WINEPREFIX=${DIMORA_WINEPREFIX:-$build_root/wineprefix-soak}
fi
# Without a display everything runs in a Wine prefix of its own (build/wineprefix-shots), whose
# settings for the screenshots (window frames drawn by Wine, fonts, screen resolution) the test
# command's prefix never sees.
if [ "$headless" = 1 ]; then
  build_root=${DIMORA_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}
  export DIMORA_WINEPREFIX=${DIMORA_WINEPREFIX:-$build_root/wineprefix-shots}
fi
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$DIMORA_ROOT"

# The Windows build that this machine's Wine can run.
if [ "$DIMORA_WINE_BITS" = 32 ]; then
  tree=windows toolchain=cmake/mingw-i686.cmake
else
  tree=windows64 toolchain=cmake/mingw-x86_64.cmake
fi
build=$DIMORA_BUILD/$tree
echo "== building $tree"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=$toolchain -DCMAKE_BUILD_TYPE=Release \
  >"$DIMORA_BUILD/$tree.configure.log"
targets=(DimoraDdcci uidriver dimora_baseline watcher_bench_win filter_bench_win launcher
  launcher_floor launcher_start_bench)
[ "$only_bench" = 1 ] || targets+=(ddcdiag launcherdriver utility_package disk_image)
[ "$only_bench" = 1 ] || targets+=(on_screen_value_preview)
[ "$soak" = 1 ] && targets=(DimoraDdcci uidriver dimora_foreground_app)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" \
  >"$DIMORA_BUILD/$tree.run-build.log" || { tail -n 30 "$DIMORA_BUILD/$tree.run-build.log"; exit 1; }

monitors=${DIMORA_MONITORS:-sim/monitors/dual.txt}
export DIMORA_SIM_MONITORS="Z:$DIMORA_ROOT/$monitors"
exe="$build/simrun/DimoraDdcci.exe"
driver() { "$DIMORA_ROOT/scripts/wine-run" "$build/tools/uidriver/uidriver.exe" "$@"; }
launcher="$build/disk/launcher.exe"
ldriver() { "$DIMORA_ROOT/scripts/wine-run" "$build/launcher/launcherdriver.exe" "$@"; }

benchmarks() {
  # The simulated calls take what the descriptions say real ones take (the tests, the screenshots
  # and the soak leave it out).
  local -x DIMORA_SIM_CALL_COSTS=1
  echo "== start-up benchmark ($monitors), against a bare notification-area program"
  driver bench "Z:$exe" "Z:$build/bench/baseline/dimora_baseline.exe" "$DIMORA_SIM_MONITORS" \
    "${DIMORA_BENCH_ROUNDS:-5}"
  echo "== start-up with a dead DDC/CI channel: single.txt, then dead.txt (the same monitor beside"
  echo "   a maker monitor that answers nothing, dead-ms 3500)"
  local m
  for m in single dead; do
    driver bench "Z:$exe" "Z:$build/bench/baseline/dimora_baseline.exe" \
      "Z:$DIMORA_ROOT/sim/monitors/$m.txt" "${DIMORA_BENCH_ROUNDS:-5}" >"$DIMORA_BUILD/bench-$m.txt"
  done
  first_ms() { grep -m1 "^$1" "$DIMORA_BUILD/bench-$2.txt" | sed -E 's/^[^0-9]*([0-9]+) ms.*/\1/'; }
  printf '%-36s %12s %12s %10s\n' "medians" "single.txt" "dead.txt" "dead-single"
  local key a b
  for key in "process start to the icon " "program start to the icon (own)"; do
    a=$(first_ms "$key" single)
    b=$(first_ms "$key" dead)
    printf '%-36s %9s ms %9s ms %+7d ms\n' "$key" "$a" "$b" "$((b - a))"
  done
  for m in single dead; do
    echo "$m.txt: $(grep -m1 '^of the icon (own)' "$DIMORA_BUILD/bench-$m.txt")"
  done
  echo "(goal: the dead monitor costs one time-out, 3500 ms, and at most 5 s)"
  echo "== idle benchmark ($monitors), beside the bare notification-area program"
  driver idle "Z:$exe" "Z:$build/bench/baseline/dimora_baseline.exe" "$DIMORA_SIM_MONITORS" \
    "${DIMORA_IDLE_SECONDS:-60}"
  echo "== disk menu start-up benchmark, against a themed window with a tab control that reads the disk's description"
  local description="$build/disk/LauncherInfo/LauncherInfo_EN.xml"
  "$DIMORA_ROOT/scripts/wine-run" "$build/bench/launcher_start_bench.exe" "Z:$launcher" \
    "Z:$build/bench/launcher_floor.exe" "Z:${description//\//\\}" "${DIMORA_BENCH_ROUNDS:-5}"
  echo "== monitor-layer benchmark"
  cmake -S . -B "$DIMORA_BUILD/host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$DIMORA_BUILD/host" -j "$(nproc)" --target ddc_bench colour_bench watcher_bench \
    >/dev/null
  "$DIMORA_BUILD/host/bench/ddc_bench"
  echo "== colour page benchmark (each user action's bus time)"
  "$DIMORA_BUILD/host/bench/colour_bench"
  echo "== Auto Veltone watcher benchmark (a tick with the same window in front)"
  "$DIMORA_ROOT/scripts/wine-run" "$build/bench/watcher_bench_win.exe"
  "$DIMORA_BUILD/host/bench/watcher_bench"
  echo "== EyeCare Filter benchmark (slider drags on real overlays and gamma objects)"
  "$DIMORA_ROOT/scripts/wine-run" "$build/bench/filter_bench_win.exe" "Z:${DIMORA_ROOT//\//\\}\\data\\"
}
if [ "$only_bench" = 1 ]; then
  benchmarks
  exit 0
fi
if [ "$soak" = 1 ]; then
  # Xvfb runs no window manager, and Wine would wait up to 2 s for one at every window it hides.
  [ "$headless" = 0 ] ||
    "$DIMORA_ROOT/scripts/wine-run" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
      >/dev/null 2>&1
  echo "== soak ($monitors): the running utility driven and its counters sampled"
  driver soak "Z:$exe" "Z:$build/utility/dimora_foreground_app.exe" "$DIMORA_SIM_MONITORS" \
    "${DIMORA_SOAK_ACTIONS:-600}"
  exit 0
fi

echo "== the distribution disk: folder $build/disk/ (with Visomat/DimoraDdcci.msi)," \
  "image $build/OrvaneLcdUtilityDisk.iso"

echo "== monitors found (ddcdiag list, $monitors)"
"$DIMORA_ROOT/scripts/wine-run" "$build/simrun/ddcdiag.exe" list || true
echo "== the command line: DimoraDdcci.exe /list, carried out alone while the utility is not running"
"$DIMORA_ROOT/scripts/wine-run" "$exe" /list | cat || true

if [ "$headless" = 0 ]; then
  echo "== DimoraDdcci is running: use its icon in the notification area; Exit ends it"
  "$DIMORA_ROOT/scripts/wine-run" "$exe"
  echo "== the disk menu is running on build/$tree/disk/: Exit ends it"
  "$DIMORA_ROOT/scripts/wine-run" "$launcher"
  exit 0
fi

source "$DIMORA_ROOT/scripts/shots.sh"
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots_manifest"
# A driver step followed by a screenshot; a failed step is reported and makes the run fail at the
# end, after the other screenshots have been taken.
failed_steps=()
shot() { # shot NAME SECONDS DRIVER-ARGS...
  local name=$1 pause=$2
  shift 2
  if driver "$@"; then
    sleep "$pause" && shots_snap "$name"
  else
    echo "   FAILED: uidriver $* (no $(shots_file "$name"))"
    failed_steps+=("$(shots_file "$name")")
  fi
}
# Xvfb draws translucent windows opaque unless a compositing manager runs: the screen filter's
# screenshots are taken with one.
compositor=
compositor_on() {
  xcompmgr &
  compositor=$!
  sleep 1
}
compositor_off() {
  if [ -n "$compositor" ]; then
    kill "$compositor" 2>/dev/null || true
    wait "$compositor" 2>/dev/null || true
  fi
  compositor=
}
eyecare_key='HKCU\Software\Orvane\Visomat (DDCCI) V2.3x\EyeCare'
forget_reminder() { "$DIMORA_ROOT/scripts/wine-run" reg.exe delete "$eyecare_key" /f >/dev/null 2>&1 || true; }

utility_shots() { # utility_shots LANG
  shots_program=DimoraDdcci.exe
  forget_reminder # the reminder's message is saved in the language of the run that saved it
  env LANG=$1 LC_ALL=$1 "$DIMORA_ROOT/scripts/wine-run" "$exe" &
  local app=$!
  driver wait
  driver park-tray || true
  shot tray-menu 1 tray-menu
  driver close-menu && sleep 1
  shot main 2 show
  shot about-box 1 about
  driver close-about && sleep 1
  shot main-colour-page 1 page 1
  shot colour-dialog 1 colour-dialog
  driver close-dialog && sleep 2
  shot main-sound-page 1 page 2
  shot monitor-list 1 monitor-list
  driver close-monitor-list && sleep 1
  driver hide && sleep 1
  shot eyecare-dialog 1 eyecare
  shot edit-message 1 edit-message
  driver close-eyecare && sleep 1
  compositor_on
  shot filter-dialog 2 filter 1
  driver close-filter && sleep 1
  shot hotkeys-dialog 1 hotkeys
  driver close-hotkeys && sleep 1
  shot on-screen-value 0.5 press-hotkey
  compositor_off
  shot reminder-balloon 3 balloon
  driver exit
  wait "$app" || true
}

# The shortcut keys' on-screen value with sample contents (a value with its bar, a picture mode's
# name, a refused key), shown by its preview over the primary display; it never takes the focus,
# so it is photographed as it is.
osd_shots() { # osd_shots LANG
  shots_program=on_screen_value_preview.exe
  shots_caption[osd-value]="On-screen value after a shortcut key: a value"
  shots_caption[osd-mode]="On-screen value after a shortcut key: a picture mode"
  shots_caption[osd-refused]="On-screen value after a shortcut key: refused"
  local kind preview
  for kind in value mode refused; do
    shots_as_they_are[osd-$kind]=1
    env LANG=$1 LC_ALL=$1 "$DIMORA_ROOT/scripts/wine-run" \
      "$build/utility/hotkeys/on_screen_value_preview.exe" "$kind" 30 &
    preview=$!
    for _ in $(seq 40); do # the first program of a session may take a few seconds to start
      [ -n "$(driver frame "$shots_program" 2>/dev/null | tr -d '\r')" ] && break
      sleep 0.25
    done
    sleep 0.5
    shots_snap "osd-$kind" || failed_steps+=("$(shots_file "osd-$kind")")
    kill "$preview" 2>/dev/null || true
    wait "$preview" 2>/dev/null || true
  done
}

# A dialog the disk menu opens from an item, photographed and closed again.
ldialog() { # ldialog NAME DRIVER-ARGS...
  local name=$1
  shift
  if ldriver "$@" && sleep 1 && shots_snap "$name" && ldriver close-dialog; then
    sleep 1
  else
    echo "   FAILED: launcherdriver $* (no $(shots_file "$name"))"
    failed_steps+=("$(shots_file "$name")")
  fi
}
launcher_shots() { # launcher_shots LANG
  shots_program=launcher.exe
  ldriver park
  env LANG=$1 LC_ALL=$1 "$DIMORA_ROOT/scripts/wine-run" "$launcher" &
  local app=$!
  ldriver wait && sleep 2 && shots_snap launcher
  ldriver hover 0 && sleep 1 && shots_snap launcher-hover
  ldriver park
  # The Manuals tab's items ask for model and language, language alone, or model alone; the
  # Applications tab's item opens its sub-items.
  ldialog launcher-model-language click 0
  ldialog launcher-language click 1
  ldialog launcher-model click 2
  ldriver tab 1 && sleep 1 && shots_snap launcher-applications
  ldialog launcher-sub-items click 0
  ldriver tab 2 && sleep 1 && shots_snap launcher-utilities
  ldriver tab 3 && sleep 1 && shots_snap launcher-information
  ldriver exit
  wait "$app" || true
}

# Every window in both languages at 96 dpi and at the two resolutions from which the large
# bitmaps are used (120, as they are; 144, stretched).
for dpi in ${DIMORA_SHOTS_DPI:-96 120 144}; do
  for lang in en_US.UTF-8 ja_JP.UTF-8; do
    echo "== screenshots ($lang, $dpi dpi)"
    shots_session "$dpi" "$lang"
    utility_shots "$lang"
    osd_shots "$lang"
    launcher_shots "$lang"
  done
done
forget_reminder
shots_session 96 en_US.UTF-8

echo "== screen filter screenshot (a stored filter picture over every monitor)"
shots_program=DimoraDdcci.exe
picture=$shots/filter-picture.bmp
convert -size 96x72 gradient:'#2a6f97'-'#f4d35e' -bordercolor '#1b3a4b' -border 4 \
  "BMP3:$picture"
filter_key='HKCU\Software\Orvane\Visomat (DDCCI) V2.3x\VSFilter'
reg() { "$DIMORA_ROOT/scripts/wine-run" reg.exe "$@" >/dev/null 2>&1; }
reg add "$filter_key" /v On /t REG_BINARY /d 01 /f
reg add "$filter_key" /v FileType /t REG_DWORD /d 2 /f
reg add "$filter_key" /v FilePath /t REG_SZ /d "Z:${picture//\//\\}" /f
reg add "$filter_key" /v Alpha /t REG_DWORD /d 160 /f
reg add "$filter_key" /v Luminance /t REG_BINARY /d 00000000 /f
"$DIMORA_ROOT/scripts/wine-run" "$exe" &
app=$!
compositor_on
shot filter-overlay 2 wait
compositor_off
driver exit
wait "$app" || true
reg delete "$filter_key" /f

echo "== installation screenshots (the package from the disk, then the installed utility)"
# Installed quietly from the disk folder, started from its Start-menu shortcut beside the
# simulated monitor DLLs, and removed again so that the prefix keeps no installed product (the
# removal takes the data folder with it; the set-up puts it back on the next run).
msi_log=$DIMORA_BUILD/install.log
package="Z:$build/disk/Visomat/DimoraDdcci.msi"
if WINEDLLOVERRIDES=winemenubuilder.exe=d "$DIMORA_ROOT/scripts/wine-run" msiexec.exe /i \
  "$package" /qn >"$msi_log" 2>&1; then
  installed=$(find "$WINEPREFIX/drive_c" -path '*/Orvane/Visomat (DDCCI)/DimoraDdcci.exe' | head -n 1)
  shortcut=$(find "$WINEPREFIX/drive_c" -name 'Visomat (DDCCI).lnk' | head -n 1)
  cp "$build/simrun/dxva2.dll" "$build/simrun/libpanq.dll" "$(dirname "$installed")/"
  "$DIMORA_ROOT/scripts/wine-run" start /unix "$shortcut" || true
  shot installed-utility 2 show
  driver exit || true
  # Started through the shell, the program is no child of ours: its end is seen in Wine's process
  # list. A file still in use would outlast the removal.
  for _ in $(seq 100); do
    "$DIMORA_ROOT/scripts/wine-run" winedbg --command "info process" 2>/dev/null |
      grep -qi "'DimoraDdcci.exe'" || break
    sleep 0.2
  done
  rm -f "$(dirname "$installed")/dxva2.dll"
  # The package itself names the product to remove (each version has its own product code).
  "$DIMORA_ROOT/scripts/wine-run" msiexec.exe /x "$package" /qn >>"$msi_log" 2>&1 || true
else
  echo "   FAILED: the package did not install ($msi_log)"
  failed_steps+=(installed-utility)
fi
shots_program=launcher.exe
ldriver park
"$DIMORA_ROOT/scripts/wine-run" "$launcher" &
app=$!
ldriver wait && ldriver tab 1 && sleep 2 && shots_snap launcher-install-item
ldriver exit
wait "$app" || true

echo "== the screenshots at a glance: build/shots/index.html, build/shots/contact-sheet.png"
python3 "$DIMORA_ROOT/scripts/shots_index.py" "$shots" || failed_steps+=(index.html)

benchmarks
if [ "${#failed_steps[@]}" -gt 0 ]; then
  echo "== screenshots missing: ${failed_steps[*]}"
  exit 1
fi
