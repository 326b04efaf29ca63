#!/usr/bin/env bash
# Builds one language variant of vocset.exe and starts it under Wine. Without a display it starts
# on a virtual one and saves a picture of the window instead.
#   scripts/run.sh [en|ru]      (default en)
set -euo pipefail
language=${1:-en}
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/wine.sh"
locale=$(wine_locale "$language")

"$root/scripts/deps.sh"
cd "$root"
cmake --preset "windows-$language" >/dev/null
cmake --build --preset "windows-$language"
program="$root/build/windows-$language/vocset.exe"

export WINEPREFIX="$root/build/wine-prefix"
wine_make_prefix "$WINEPREFIX"
if [ -n "${DISPLAY:-}" ]; then
  exec env LANG="$locale" LC_ALL="$locale" wine "$program"
fi

picture="$root/build/screenshot-$language.png"
env LANG="$locale" LC_ALL="$locale" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$root/scripts/wine-session.sh" "$root/scripts/screenshot.sh" "$program" "$picture" </dev/null
echo "No display: vocset.exe ran on a virtual one; its window is in $picture"
