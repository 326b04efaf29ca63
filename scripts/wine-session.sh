#!/bin/sh
# Runs one command in the Wine prefix $WINEPREFIX, then ends the prefix's processes and wineserver;
# meant to run inside a display (xvfb-run), which must outlive the wineserver.
set -u
: "${WINEPREFIX:?wine-session.sh needs WINEPREFIX, else Wine would make ~/.wine}"
. "$(dirname "$0")/wine.sh"

wine_start_background
"$@"
status=$?
wine_stop
exit $status
