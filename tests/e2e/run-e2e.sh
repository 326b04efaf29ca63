#!/usr/bin/env bash
# Runs vocset_e2e.exe against one language variant of vocset.exe: a fresh Wine prefix copied from a
# template, a virtual display, the variant's locale, and a run folder that holds the work folders.
#   run-e2e.sh [--other <the other variant's vocset.exe>] <vocset_e2e.exe> <vocset.exe> <en|ru> <state folder> [scenario ...]
# With --other, and that program built, the scenarios that need both variants run too.
set -euo pipefail
other=
if [ "${1:-}" = --other ]; then
  other=$2
  shift 2
fi
driver=$(realpath "$1") program=$(realpath "$2") language=$3 state=$(realpath "$4")
shift 4
scripts="$(cd "$(dirname "$0")/../../scripts" && pwd)"
source "$scripts/wine.sh"

other_option=()
if [ -n "$other" ] && [ -f "$other" ]; then
  other_option=(--other "$(wine_path "$other")")
elif [ -n "$other" ]; then
  echo "run-e2e.sh: $other is not built, so the scenarios that need both variants are skipped"
fi

locale=$(wine_locale "$language")
wine_make_prefix "$state/wine-prefix-template"

run=$(mktemp -d "$state/run.XXXXXX")
export WINEPREFIX="$run/prefix"
cleanup() {
  local status=$?
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if mountpoint -q "$run/small-disk"; then umount "$run/small-disk"; fi
  rm -rf "$WINEPREFIX"
  if [ "$status" -eq 0 ]; then rm -rf "$run"; else echo "run-e2e.sh: work folders kept in $run/work"; fi
}
trap cleanup EXIT
cp -a "$state/wine-prefix-template" "$WINEPREFIX"
mkdir "$run/work"
cd "$run/work"

# A small disk that the full-disk scenarios fill; only root may mount one, elsewhere they are skipped.
mkdir "$run/small-disk"
if [ "$(id -u)" -eq 0 ] && mount -t tmpfs -o size=16m tmpfs "$run/small-disk" 2>/dev/null; then
  export VOCSET_E2E_SMALL_DISK="$(wine_path "$run/small-disk")"
fi

env LANG="$locale" LC_ALL="$locale" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$scripts/wine-session.sh" wine "$(wine_path "$driver")" "$(wine_path "$program")" "$language" \
  "${other_option[@]}" "$@" </dev/null
