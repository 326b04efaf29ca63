#!/bin/sh
# Times Start on a large encrypted recording in the real vocset.exe under Wine (decryption and
# signature check, from the click on Start to the closing message) against moving the same bytes
# through a native program with large buffers: a dd bs=1M copy of the recording, then a dd bs=1M read
# of the copy. Prints both times and their ratio for each round, and the medians. (cp and cat are no
# anchor: they may copy inside the kernel without the bytes passing through a program.) Not a test:
# it only prints figures.
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
  echo "round  dd copy + read (ms)  Start to message (ms)  ratio"
  : >rounds.txt
  for round in $(seq "$rounds"); do
    sync   # untimed: the previous round's writes are not left to slow this one
    if ! out=$(wine "$(wine_path "$driver")" "$(wine_path "$program")" "$language" --time-decoding "$megabytes" \
      </dev/null); then
      echo "$out" >&2
      exit 1
    fi
    run=$(printf '%s\n' "$out" | sed -n 's/^start_to_message_ms \([0-9]*\).*/\1/p')
    rm -f copy.xxx
    sync
    started=$(milliseconds)
    dd if=timing.xxx of=copy.xxx bs=1M status=none
    dd if=copy.xxx of=/dev/null bs=1M status=none
    moved=$(($(milliseconds) - started))
    rm -f copy.xxx
    echo "$moved $run" >>rounds.txt
    awk -v r="$round" -v c="$moved" -v p="$run" 'BEGIN { printf "%5d  %20d  %21d  %5.2f\n", r, c, p, p / (c > 0 ? c : 1) }'
  done
  median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
  moved=$(cut -d' ' -f1 rounds.txt | median) run=$(cut -d' ' -f2 rounds.txt | median)
  awk -v c="$moved" -v p="$run" 'BEGIN { printf "median  %19d  %21d  %5.2f\n", c, p, p / (c > 0 ? c : 1) }'
  rm -f rounds.txt
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
