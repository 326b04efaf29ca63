#!/usr/bin/env bash
# Runs the Win32 layer's test program under Wine in a prefix kept in the state folder, in the locale
# of the language variant and in a time zone away from UTC.
#   run-tests.sh <vocset_win32_tests.exe> <en|ru> <state folder>
set -euo pipefail
program=$(realpath "$1") language=$2 state=$(realpath "$3")
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
source "$scripts/wine.sh"

export WINEPREFIX="$state/wine-prefix"
wine_make_prefix "$WINEPREFIX"
locale=$(wine_locale "$language")
env LANG="$locale" LC_ALL="$locale" TZ=Asia/Kolkata "$scripts/wine-session.sh" wine "$(wine_path "$program")" </dev/null
