#!/bin/sh
# Starts a program under Wine on the current display, waits until its window has appeared and
# stopped changing, and saves a picture of it; meant to run inside wine-session.sh.
#   screenshot.sh <program.exe> <picture.png>
set -eu
program=$1 picture=$2

wine "$program" </dev/null >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --classname "$(basename "$program")" | head -n 1) || {
  echo "screenshot.sh: no window of $(basename "$program") appeared" >&2
  exit 1
}

# The window is drawn shortly after it maps: take pictures until two in a row are the same.
previous=
for attempt in $(seq 50); do
  current=$(import -window "$window" rgba:- | md5sum)
  [ "$current" = "$previous" ] && break
  previous=$current
done
import -window "$window" "$picture"
