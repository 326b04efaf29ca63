# Wine helpers for running the program on Linux, sourced by run.sh and the end-to-end test (POSIX sh:
# the variants' locales need not exist on the Unix side, and bash would warn about them).

export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Makes a prefix fit for the program at $1 unless one is there: no crash dialog, windows that need
# no window manager, Wine's own fonts. Built aside and moved in, so a half-made prefix never counts.
wine_make_prefix() {
  local prefix=$1
  [ -d "$prefix" ] && return 0
  local draft="$prefix.draft.$$"
  rm -rf "$draft"
  mkdir -p "$(dirname "$prefix")"
  (
    export WINEPREFIX="$draft"
    DISPLAY= wineboot -i </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
    wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f \
      </dev/null >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
    cp /usr/share/wine/fonts/* "$draft/drive_c/windows/Fonts/"
    wineserver -w
  ) || { rm -rf "$draft"; echo "wine.sh: could not make a Wine prefix at $prefix" >&2; return 1; }
  mv "$draft" "$prefix" 2>/dev/null || rm -rf "$draft"   # another run may have made it meanwhile
}

# Starts Wine's background processes with their standard streams detached, so that nothing that
# waits on our output (ctest, a pipe) waits on them too.
wine_start_background() {
  wine cmd /c exit </dev/null >/dev/null 2>&1
  wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &
}

# Ends every process of the prefix and the wineserver, which saves the registry as it goes.
wine_stop() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# The Windows name of a Unix path (drive Z: is the Unix root in every prefix).
wine_path() {
  printf 'Z:%s' "$(realpath -m "$1" | sed 's|/|\\|g')"
}

# The locale that the language variant $1 (en, ru) runs under.
wine_locale() {
  case $1 in
    en) echo en_US.UTF-8 ;;
    ru) echo ru_RU.UTF-8 ;;
    *) echo "wine.sh: unknown language '$1' (en or ru)" >&2; return 1 ;;
  esac
}
