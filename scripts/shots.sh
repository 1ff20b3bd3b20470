# The run command's screenshots without a display; sourced by run.sh, which has set up its own
# Wine prefix for them (DIMORA_WINEPREFIX) and defines `driver`.
# Each set of screenshots is one language at one resolution: shots_session DPI LANG sets the
# prefix up for it, shots_snap NAME photographs the windows of the program under test and
# records the picture in build/shots/manifest.tsv, from which shots_index.py makes the index
# page and the contact sheet.

shots=$DIMORA_BUILD/shots
shots_manifest=$shots/manifest.tsv
shots_dpi=96
shots_lang=en
shots_program=DimoraDdcci.exe

# Prefix settings that make the pictures look as on Windows:
# - Wine draws the windows' frames and captions itself (Xvfb runs no window manager to draw
#   them), and keeps its windows unmanaged (with no window manager to confirm a managed window's
#   state, Wine waits for it at every hide);
# - the Japanese user-interface faces the resources name, missing here, are replaced by IPA's
#   proportional Gothic (the fixed-pitch IPA Gothic for the fixed-pitch MS Gothic), instead of
#   whatever face Wine falls back to;
# - the screen resolution of the set.
shots_registry() { # shots_registry DPI
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
  printf '"Decorated"="N"\r\n"Managed"="N"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  local face
  for face in "MS UI Gothic" "MS PGothic" "ＭＳ Ｐゴシック"; do
    printf '"%s"="IPAPGothic"\r\n' "$face"
  done
  printf '"MS Gothic"="IPAGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n\r\n' "$1"
}

# shots_session DPI LANG: a fresh Wine session of the prefix for one set of screenshots.
shots_session() {
  shots_dpi=$1 shots_lang=${2%%_*}
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  # Wine's own faces (Tahoma, the English dialogs' shell font; Marlett, the caption buttons and
  # check marks) where Windows keeps its fonts.
  if [ -d /usr/share/wine/fonts ]; then
    cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  local reg=$shots/prefix.reg
  shots_registry "$shots_dpi" | iconv -f UTF-8 -t UTF-16 >"$reg"
  "$DIMORA_ROOT/scripts/wine-run" reg.exe import "Z:${reg//\//\\}" >/dev/null 2>&1
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  # Wine's desktop process draws the notification area's balloons with the fonts of the language
  # its session started in, and reads the resolution once: each set gets a session of its own.
  { LANG=$2 LC_ALL=$2 dimora_prepare_wine; } 2>/dev/null # no warning for a missing locale
}

# The file name of a picture of the current set: NAME-LANG.png at 96 dpi, NAME-LANG-DPIdpi.png
# at the others.
shots_file() {
  if [ "$shots_dpi" = 96 ]; then
    echo "$1-$shots_lang.png"
  else
    echo "$1-$shots_lang-${shots_dpi}dpi.png"
  fi
}

# What each picture shows, for the index page.
declare -A shots_caption=(
  [tray-menu]="Notification icon menu (right click)"
  [main]="Main window, Auto Veltone page"
  [about-box]="About box"
  [main-colour-page]="Main window, Color Adjustment page"
  [colour-dialog]="Color Adjustment dialog"
  [main-sound-page]="Main window, Sound page"
  [monitor-list]="Monitor connection list"
  [eyecare-dialog]="EyeCare dialog"
  [edit-message]="EyeCare message editor"
  [filter-dialog]="EyeCare Filter dialog previewing a default picture"
  [hotkeys-dialog]="Shortcut Keys dialog"
  [on-screen-value]="On-screen value after a shortcut key"
  [reminder-balloon]="EyeCare reminder balloon"
  [filter-overlay]="Stored EyeCare Filter at start-up"
  [installed-utility]="Utility started from its Start-menu shortcut"
  [launcher]="Disk menu, Manuals tab"
  [launcher-hover]="Disk menu, pointer on an item"
  [launcher-model-language]="Disk menu, model and language selection"
  [launcher-language]="Disk menu, language selection"
  [launcher-model]="Disk menu, model selection"
  [launcher-applications]="Disk menu, Applications tab"
  [launcher-sub-items]="Disk menu, application's sub-items"
  [launcher-utilities]="Disk menu, Utilities tab"
  [launcher-information]="Disk menu, Information tab"
  [launcher-install-item]="Disk menu, Applications tab after the installation"
)
# How each picture is cut from the screen: with the notification area and its balloons (tray),
# or without the screen filter's overlays, which cover every screen (dialog); by default the
# program's windows.
declare -A shots_frame=([tray-menu]=tray [reminder-balloon]=tray [filter-dialog]=dialog)
# Pictures taken as they are: the program's top window is otherwise made active first, as the
# user's click that opened it would leave it (Wine activates windows while they are still hidden
# and a window closing activates none), but that would close a menu, or end a link's hover.
declare -A shots_as_they_are=([tray-menu]=1 [reminder-balloon]=1 [launcher-hover]=1
  [filter-overlay]=1 [on-screen-value]=1)

# shots_snap NAME: the windows of $shots_program (and for some the notification area with its
# balloons) on the screen now; the whole screen when none can be found.
shots_snap() {
  local file geometry
  file=$(shots_file "$1")
  if [ -z "${shots_as_they_are[$1]:-}" ] && driver activate "$shots_program" >/dev/null 2>&1; then
    sleep 0.5
  fi
  geometry=$(driver frame "$shots_program" ${shots_frame[$1]:-} | tr -d '\r') || geometry=
  if [ -n "$geometry" ]; then
    import -window root -crop "$geometry" +repage "$shots/$file"
  else
    import -window root "$shots/$file"
  fi || return 1
  printf '%s\t%s\t%s\t%s\t%s\n' "$file" "$1" "${shots_caption[$1]:-$1}" "$shots_lang" \
    "$shots_dpi" >>"$shots_manifest"
  echo "   saved build/shots/$file"
}
