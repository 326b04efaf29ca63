#!/usr/bin/env bash
# Runs vocset_e2e.exe against one language variant of vocset.exe: a fresh Wine prefix copied from a
# template, a virtual display, the variant's locale, and a run folder that holds the work folders.
#   run-e2e.sh <vocset_e2e.exe> <vocset.exe> <en|ru> <state folder> [scenario ...]
set -euo pipefail
driver=$(realpath "$1") program=$(realpath "$2") language=$3 state=$(realpath "$4")
shift 4
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
source "$scripts/wine.sh"

locale=$(wine_locale "$language")
wine_make_prefix "$state/wine-prefix-template"

run=$(mktemp -d "$state/run.XXXXXX")
export WINEPREFIX="$run/prefix"
cleanup() {
  local status=$?
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  if [ "$status" -eq 0 ]; then rm -rf "$run"; else echo "run-e2e.sh: work folders kept in $run/work"; fi
}
trap cleanup EXIT
cp -a "$state/wine-prefix-template" "$WINEPREFIX"
mkdir "$run/work"
cd "$run/work"

env LANG="$locale" LC_ALL="$locale" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$scripts/wine-session.sh" wine "$(wine_path "$driver")" "$(wine_path "$program")" "$language" "$@" \
  </dev/null
