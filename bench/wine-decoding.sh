#!/bin/sh
# Times Start on a large encrypted recording in the real vocset.exe under Wine (decryption and
# signature check, from the click on Start to the closing message) against a native cp of the same
# file, and prints both times and their ratio for each round. Not a test: it only prints figures.
#   bench/wine-decoding.sh [en|ru, default en] [rounds, default 3] [megabytes, default 400]
# Builds the variant if needed; the recording, the Wine prefix and the copies stay in
# build/windows-<language>/wine-bench (the recording is written once and reused).
# POSIX sh, as scripts/wine.sh: the variant's locale need not exist on the Unix side.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine.sh"

milliseconds() { echo $(($(date +%s%N) / 1000000)); }

# Inside the Wine session, in the work folder: the rounds themselves.
if [ "${1:-}" = --rounds ]; then
  driver=$2 program=$3 language=$4 rounds=$5 megabytes=$6
  echo "round  cp (ms)  Start to message (ms)  ratio"
  for round in $(seq "$rounds"); do
    if ! out=$(wine "$(wine_path "$driver")" "$(wine_path "$program")" "$language" --time-decoding "$megabytes" \
      </dev/null); then
      echo "$out" >&2
      exit 1
    fi
    run=$(printf '%s\n' "$out" | sed -n 's/^start_to_message_ms \([0-9]*\).*/\1/p')
    rm -f copy.xxx
    started=$(milliseconds)
    cp timing.xxx copy.xxx
    copy=$(($(milliseconds) - started))
    rm -f copy.xxx
    awk -v r="$round" -v c="$copy" -v p="$run" 'BEGIN { printf "%5d  %7d  %21d  %5.2f\n", r, c, p, p / (c > 0 ? c : 1) }'
  done
  exit 0
fi

language=${1:-en} rounds=${2:-3} megabytes=${3:-400}
locale=$(wine_locale "$language")
build="$root/build/windows-$language"
cd "$root"
[ -f "$build/build.ninja" ] || cmake --preset "windows-$language" >/dev/null
cmake --build --preset "windows-$language" --target vocset vocset_e2e >/dev/null
export WINEPREFIX="$build/wine-bench/prefix"
wine_make_prefix "$WINEPREFIX"
mkdir -p "$build/wine-bench/work"
cd "$build/wine-bench/work"
echo "vocset.exe ($language) under Wine: $megabytes MB recording, $rounds rounds"

set -- "$root/scripts/wine-session.sh" "$root/bench/wine-decoding.sh" --rounds "$build/tests/e2e/vocset_e2e.exe" \
  "$build/vocset.exe" "$language" "$rounds" "$megabytes"
if [ -n "${DISPLAY:-}" ]; then
  env LANG="$locale" LC_ALL="$locale" "$@" </dev/null
else
  env LANG="$locale" LC_ALL="$locale" xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@" </dev/null
fi
