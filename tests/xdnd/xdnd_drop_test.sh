#!/bin/sh
# xdnd-drop end to end: real XDND drags from this process onto a live
# Windows program under Wine (xdnd-drop-target.exe), whose OLE drop target
# logs what arrived. Checks the files that came through CF_HDROP (one, then
# two at once, names with spaces, "%", "#" and GBK bytes), the drop point
# on a child control, what each --action becomes in the allowed effects, a
# refusal (exit 3), a drop the target fails (exit 4), and the tool's own
# errors.
#   xdnd_drop_test.sh XDND_DROP XDND_DROP_TARGET_EXE
# Needs an X display: run it inside xvfb-run -a -s "-screen 0 1024x768x24".
# The Wine prefix is the test's own, beside the .exe, so that other suites'
# Wine sessions on other displays are never touched.
set -u

here=$(cd "$(dirname "$0")" && pwd)
wine_run="$here/../../scripts/wine-run"
if [ $# -ne 2 ]; then
  echo "usage: $0 XDND_DROP XDND_DROP_TARGET_EXE" >&2
  exit 2
fi
drop=$1
target=$2
for program in "$drop" "$target"; do
  if [ ! -x "$program" ] && [ ! -f "$program" ]; then
    echo "xdnd_drop_test: $program is missing; build both the linux and the windows builds" >&2
    exit 2
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  echo "xdnd_drop_test: no X display; run it inside xvfb-run -a -s \"-screen 0 1024x768x24\"" >&2
  exit 2
fi

WINEPREFIX="$(cd "$(dirname "$target")" && pwd)/wineprefix"
export WINEPREFIX
# The window's title; the colon is U+FF1A.
title='拖放目标---BY：测试'

work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL $*" >&2
  failures=$((failures + 1))
}

# The path as Wine hands it to the program: the Z: drive maps to "/".
dos_path() {
  printf 'Z:%s' "$1" | tr / '\\'
}

# Lines ended by CR LF, as the program writes its log.
crlf_lines() {
  for line in "$@"; do printf '%s\r\n' "$line"; done
}

# Waits up to $2 seconds for process $1 to end.
wait_for_end() {
  waited=0
  while kill -0 "$1" 2>/dev/null; do
    if [ $waited -ge $(($2 * 5)) ]; then return 1; fi
    sleep 0.2
    waited=$((waited + 1))
  done
}

# run_drop CASE MODE WANT_STATUS WANT_LOG [XDND-DROP ARGUMENTS...]
# Starts the program in MODE, drags onto its window, checks xdnd-drop's exit
# status, the program's exit status and its log, byte for byte.
run_drop() {
  case_name=$1 mode=$2 want_status=$3 want_log=$4
  shift 4
  log="$work/$case_name.log"
  "$wine_run" "$target" "$(dos_path "$log")" "$mode" &
  pid=$!
  # The first start prepares the Wine prefix, which takes a while.
  "$drop" --wait 120 --title "$title" "$@" >"$work/$case_name.out" 2>&1
  status=$?
  if [ $status -ne "$want_status" ]; then
    fail "$case_name: xdnd-drop exited with $status, expected $want_status:"
    sed 's/^/    /' "$work/$case_name.out" >&2
    kill "$pid" 2>/dev/null
  fi
  if ! wait_for_end "$pid" 30; then
    fail "$case_name: the drop target did not end after the drag"
    kill "$pid" 2>/dev/null
  fi
  wait "$pid"
  target_status=$?
  [ $target_status -eq 0 ] || fail "$case_name: the drop target exited with $target_status"
  if [ ! -f "$log" ]; then
    fail "$case_name: the drop target wrote no log"
  elif ! cmp -s "$log" "$want_log"; then
    fail "$case_name: the drop target logged"
    od -c "$log" | sed 's/^/    /' >&2
    echo "  expected" >&2
    od -c "$want_log" | sed 's/^/    /' >&2
  else
    echo "ok   $case_name"
  fi
}

files="$work/files"
mkdir "$files"
one="$files/one.txt"
spaced="$files/a b%#.txt"
# "客户 列表.txt" in GBK bytes, as such a name is stored on a GBK system; Wine
# in the GBK locale reads file names in GBK and DragQueryFileA gives the
# same bytes back.
gbk_name=$(printf '\277\315\273\247 \301\320\261\355.txt')
gbk="$files/$gbk_name"
for file in "$one" "$spaced" "$gbk"; do echo "client list" >"$file"; done

crlf_lines "DragEnter keys=1 allowed=1 hdrop=1" \
  "Drop keys=1 allowed=1 client=200,150 over=main" \
  "file=$(dos_path "$one")" >"$work/one-file.want"
run_drop one-file accept 0 "$work/one-file.want" "$one"

crlf_lines "DragEnter keys=1 allowed=1 hdrop=1" \
  "Drop keys=1 allowed=1 client=200,150 over=main" \
  "file=$(dos_path "$spaced")" "file=$(dos_path "$gbk")" >"$work/two-files.want"
run_drop two-files accept 0 "$work/two-files.want" "$spaced" "$gbk"

# --x/--y count from the X window's corner, which under Wine is the client
# area's. Wine makes move and link into "that or copy" for DragEnter and
# DragOver; Drop is offered only what the last DragOver chose (copy here).
crlf_lines "DragEnter keys=1 allowed=3 hdrop=1" \
  "Drop keys=1 allowed=1 client=40,30 over=child" \
  "file=$(dos_path "$one")" >"$work/child-move.want"
run_drop child-move accept 0 "$work/child-move.want" --x 40 --y 30 --action move "$one"

crlf_lines "DragEnter keys=1 allowed=5 hdrop=1" \
  "Drop keys=1 allowed=1 client=399,299 over=main" \
  "file=$(dos_path "$one")" >"$work/corner-link.want"
run_drop corner-link accept 0 "$work/corner-link.want" --x 399 --y 299 --action link "$one"

crlf_lines "DragEnter keys=1 allowed=1 hdrop=1" "DragLeave" >"$work/refused.want"
run_drop refused refuse 3 "$work/refused.want" "$one"

crlf_lines "DragEnter keys=1 allowed=1 hdrop=1" \
  "Drop keys=1 allowed=1 client=200,150 over=main" \
  "file=$(dos_path "$one")" >"$work/declined.want"
run_drop declined fail-drop 4 "$work/declined.want" "$one"

# The tool's own errors, without a target: each names the problem.
# check_error CASE WANT_STATUS WANT_TEXT COMMAND...
check_error() {
  case_name=$1 want_status=$2 want_text=$3
  shift 3
  "$@" >"$work/$case_name.out" 2>&1
  status=$?
  if [ $status -ne "$want_status" ]; then
    fail "$case_name: xdnd-drop exited with $status, expected $want_status"
  elif ! grep -qF "$want_text" "$work/$case_name.out"; then
    fail "$case_name: xdnd-drop said \"$(cat "$work/$case_name.out")\", not \"$want_text\""
  else
    echo "ok   $case_name"
  fi
}
check_error no-such-window 2 'no viewable window is titled "no such window"' \
  "$drop" --title 'no such window' "$one"
check_error no-such-file 1 "no such file: $files/missing.txt" \
  "$drop" --title "$title" "$files/missing.txt"
check_error no-display 2 'cannot open the X display ":99999"' \
  env DISPLAY=:99999 "$drop" --title "$title" "$one"
check_error bad-command-line 1 'name at least one file to drop' "$drop" --title "$title"

if [ $failures -ne 0 ]; then
  echo "xdnd_drop_test: $failures check(s) failed" >&2
  exit 1
fi
echo "xdnd_drop_test: every check passed"
