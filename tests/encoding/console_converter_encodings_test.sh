#!/bin/sh
# The console converter on every encoding fixture: each list, in each of its
# five encodings, must write its example's expected bytes to the output file
# and to standard output.
#   console_converter_encodings_test.sh [RUNNER...] NETBAR-MAC
# RUNNER is the emulator of a cross build (scripts/wine-run); paths handed to
# a Windows build are given in its form (Z:\...).
# Environment: FIXTURES (tests/encoding/fixtures); KEEP_OUTPUTS, a directory
# that receives every output file, for comparing two builds.
set -u

[ $# -ge 1 ] || { echo "usage: $0 [RUNNER...] NETBAR-MAC" >&2; exit 2; }
runner=""
while [ $# -gt 1 ]; do runner="$runner $1"; shift; done
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")

work=$(mktemp -d "${TMPDIR:-/tmp}/netbar-encoding.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
cases=0

native() {
  if [ -n "$runner" ]; then printf 'Z:%s' "$1" | tr / '\\'; else printf '%s' "$1"; fi
}
fail() { echo "FAIL: $list: $*"; failures=$((failures + 1)); }

for list_path in "$FIXTURES"/*.gbk.* "$FIXTURES"/*.utf8.* "$FIXTURES"/*.utf8-bom.* \
                 "$FIXTURES"/*.utf16le.* "$FIXTURES"/*.utf16be.* "$FIXTURES"/declared_utf8_ascii.xml; do
  list=$(basename "$list_path")
  example=${list%%.*}
  out="$work/$list.out"
  (cd "$work" && $runner "$binary" --output "$(native "$out")" "$(native "$list_path")" \
     >"$work/stdout" 2>"$work/stderr")
  status=$?
  cases=$((cases + 1))
  [ "$status" -eq 0 ] || fail "exit status $status: $(cat "$work/stderr")"
  cmp -s "$FIXTURES/$example.expected" "$out" || { fail "output file differs"; od -c "$out" | head -8; }
  cmp -s "$FIXTURES/$example.expected" "$work/stdout" || fail "standard output differs"
  if [ -n "${KEEP_OUTPUTS:-}" ]; then mkdir -p "$KEEP_OUTPUTS" && cp "$out" "$KEEP_OUTPUTS/"; fi
done

[ "$cases" -eq 16 ] || { echo "FAIL: $cases lists found in $FIXTURES, wanted 16"; exit 1; }
if [ "$failures" -gt 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "console converter: all $cases encoding fixtures give their expected bytes"
