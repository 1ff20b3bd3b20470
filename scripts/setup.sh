# Shared set-up of the two README commands; sourced, not run.
# Installs the Debian packages the builds and tests need (as root, with apt-get), keeps a private
# Wine prefix inside the build folder and starts a headless X server when there is no display.
# Exports: DIMORA_ROOT, DIMORA_BUILD, WINEPREFIX, WINEDEBUG, DISPLAY, DIMORA_WINE_BITS (32 or 64).

DIMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
DIMORA_BUILD=${DIMORA_BUILD:-$DIMORA_ROOT/build}
export DIMORA_ROOT DIMORA_BUILD
# ccache keys on paths below the tree's root, so that work trees of the same sources share hits.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$DIMORA_ROOT} CCACHE_NOHASHDIR=1

dimora_packages=(
  cmake ninja-build g++ make ccache googletest libxml2-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 xvfb xauth x11-utils xcompmgr imagemagick fonts-wine fonts-ipafont-gothic
  wixl msitools xorriso
  clang libclang-rt-dev python3-reportlab locales
)

dimora_install_packages() {
  local missing=() p
  for p in "${dimora_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "setup: installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -q >/dev/null 2>"$DIMORA_BUILD/apt-update.log"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" \
    >"$DIMORA_BUILD/apt.log" 2>&1 && return 0
  # While a mirror is being synchronised one architecture's security index can fail to download;
  # the i386 libraries then find no version equal to the installed amd64 ones. The release's own
  # versions exist for both architectures.
  local release
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$release" ] && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
    --no-install-recommends -t "$release" "${missing[@]}" >>"$DIMORA_BUILD/apt.log" 2>&1 && return 0
  cat "$DIMORA_BUILD/apt.log"
  return 1
}

# Some machines cannot run 32-bit Linux code at all; there the Windows programs are also built
# for 64-bit so that their tests can run under Wine's 64-bit loader.
dimora_pick_wine() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    DIMORA_WINE_BITS=32
    export WINESERVER=/usr/lib/wine/wineserver32
  else
    DIMORA_WINE_BITS=64
    export WINELOADER=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver64
  fi
  export DIMORA_WINE_BITS
}

# DIMORA_XVFB picks the first display number to try (97), so that runs side by side on one
# machine can each keep a headless display of their own.
dimora_start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n=${DIMORA_XVFB:-97}
  while [ -e /tmp/.X$n-lock ] && ! xdpyinfo -display :$n >/dev/null 2>&1; do n=$((n + 1)); done
  if ! xdpyinfo -display :$n >/dev/null 2>&1; then
    Xvfb :$n -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do xdpyinfo -display :$n >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  export DISPLAY=:$n
}

# DIMORA_WINEPREFIX names another prefix than build/wineprefix (the run command's screenshots keep
# one of their own, with settings the tests must not meet).
dimora_prepare_wine() {
  export WINEPREFIX=${DIMORA_WINEPREFIX:-$DIMORA_BUILD/wineprefix}
  export WINEDEBUG=-all
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "setup: creating the Wine prefix in $WINEPREFIX"
    "$DIMORA_ROOT/scripts/wine-run" wineboot.exe --init >/dev/null 2>&1 || true
  fi
  # A program that crashes prints its backtrace and ends, instead of waiting behind Wine's crash
  # dialog, which nobody answers on a headless display, until its test times out.
  if ! grep -q '"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$DIMORA_ROOT/scripts/wine-run" reg.exe add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
      /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
  fi
  # The utility's data folder (the filter's default pictures) where its installation puts it.
  local data="$WINEPREFIX/drive_c/ProgramData/Orvane/Visomat (DDCCI)"
  mkdir -p "$data" && cp -f "$DIMORA_ROOT"/data/DefFilter.xml "$DIMORA_ROOT"/data/*.{png,jpg,bmp,gif,tif} "$data"/
  # Keep one Wine session alive for the whole run: a console that waits on a pipe held open by
  # this shell. Wine's own background services then start once, here, with no terminal; started
  # by a test instead, they would inherit its output pipe and CTest would wait for them forever.
  local fifo=$WINEPREFIX.keeper
  rm -f "$fifo" && mkfifo "$fifo"
  exec 9<>"$fifo"
  "$DIMORA_ROOT/scripts/wine-run" cmd.exe <"$fifo" 9>&- >/dev/null 2>&1 &
  "$DIMORA_ROOT/scripts/wine-run" cmd.exe /c exit 9>&- >/dev/null 2>&1 </dev/null || true
}

# Wine takes the code page and the display language from the locale settings, and can hold them
# apart only with locales the C library knows. Made in the build folder (LOCPATH names it for
# the tests that need them), so the system's own locale settings stay as they are.
dimora_make_locales() {
  local dir=$DIMORA_BUILD/locales l
  mkdir -p "$dir"
  for l in ja_JP en_US; do
    [ -d "$dir/$l.UTF-8" ] || localedef -i $l -f UTF-8 "$dir/$l.UTF-8" >/dev/null 2>&1 ||
      echo "setup: could not make the locale $l.UTF-8"
  done
}

mkdir -p "$DIMORA_BUILD"
dimora_install_packages || return 1
dimora_make_locales
dimora_pick_wine
dimora_start_display
dimora_prepare_wine
