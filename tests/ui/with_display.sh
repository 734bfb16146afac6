#!/bin/sh
# Runs a Windows program of the build under Wine on a virtual screen of its
# own: Xvfb at 1024 x 768, 24 bits, so that the window's place and colours
# do not depend on the machine's display. The Wine prefix is the window
# tests' own (WINEPREFIX, default wineprefix-gui in the Windows build that
# runs here), with Wine
# drawing the window frames itself, since no window manager runs.
#   tests/ui/with_display.sh PROGRAM.exe [ARGUMENTS...]
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
. "$here/scripts/wine-environment"
: "${WINEPREFIX:=$here/build/$NETBAR_WINDOWS_BUILD/wineprefix-gui}"
export WINEPREFIX
"$here/scripts/gui-wine-prefix"
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$0" "$@"; status=$?
  wineserver -w
  exit $status' "$here/scripts/wine-run" "$@"
