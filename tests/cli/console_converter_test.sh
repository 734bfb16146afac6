#!/bin/sh
# The console converter end to end on the fixture files: output file,
# standard output, standard error and exit status of each case.
#   console_converter_test.sh [RUNNER...] NETBAR-MAC
# RUNNER is the emulator of a cross build (scripts/wine-run); paths handed to
# a Windows build are given in its form (Z:\...).
# Environment: FIXTURES (tests/fixtures), NETBAR_BUILD_CHARSET (UTF-8 or GBK).
set -u

. "$(dirname "$0")/../support/converter_under_test.sh"
use_converter "$@"

work=$(mktemp -d "${TMPDIR:-/tmp}/netbar-cli.XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0

convert() {  # convert DIR ARGS...: runs in DIR, keeps stdout, stderr, status
  dir=$1; shift
  (cd "$dir" && $runner "$binary" "$@" >"$work/stdout" 2>"$work/stderr")
  status=$?
}
fail() { echo "FAIL: $case: $*"; failures=$((failures + 1)); }
expect_status() { [ "$status" -eq "$1" ] || fail "exit status $status, wanted $1"; }
expect_file() {  # expect_file WANTED ACTUAL
  cmp -s "$1" "$2" || { fail "$2 differs from $1"; od -c "$2" | head -5; }
}
expect_stderr() {  # expect_stderr TEXT (already in the build's character set)
  printf '%s\n' "$1" >"$work/want-stderr"
  cmp -s "$work/want-stderr" "$work/stderr" || {
    fail "standard error differs"; echo "--- wanted"; cat "$work/want-stderr"; echo "--- got"; cat "$work/stderr"; }
}

# The worked examples: the file and standard output hold the same lines, the
# summary goes to standard error.
for example in client_config.xml:2:顺网 named_sections.ini:3:网众 mac_sections.ini:3:云更新 \
               named_sections_gbk.ini:3:网众; do
  list=${example%%:*}; rest=${example#*:}; count=${rest%%:*}; label=${rest#*:}
  case="worked example $list"
  out="$work/$list.out"
  convert "$work" --output "$(native "$out")" "$(native "$FIXTURES/$list")"
  expect_status 0
  expect_file "$FIXTURES/${list%.*}.expected" "$out"
  expect_file "$FIXTURES/${list%.*}.expected" "$work/stdout"
  expect_stderr "$count$(text "条$label")$(text "记录写出成功已保存到")$crlf$(native "$out")"
done

case="default output in the current directory"
mkdir "$work/here"
convert "$work/here" "$(native "$FIXTURES/mac_sections.ini")"
expect_status 0
expect_file "$FIXTURES/mac_sections.expected" "$work/here/Netbar_MAC.txt"
expect_stderr "3$(text "条云更新记录写出成功已保存到")$crlf$(native "$work/here/Netbar_MAC.txt")"

case="no record: status 1, the file emptied"
printf 'old\r\n' >"$work/here/Netbar_MAC.txt"
printf 'no list at all\r\n' >"$work/plain.txt"
convert "$work/here" "$(native "$work/plain.txt")"
expect_status 1
[ -f "$work/here/Netbar_MAC.txt" ] && [ ! -s "$work/here/Netbar_MAC.txt" ] || fail "output not emptied"
[ ! -s "$work/stdout" ] || fail "standard output not empty"
expect_stderr "$(text "无记录写出")"

case="a missing list converts nothing"
convert "$work/here" "$(native "$work/missing.ini")"
expect_status 1
expect_stderr "$(text "无记录写出")"

case="output in a directory that does not exist"
bad="$work/no-such-dir/out.txt"
convert "$work" --output "$(native "$bad")" "$(native "$FIXTURES/named_sections.ini")"
expect_status 2
expect_file "$FIXTURES/named_sections.expected" "$work/stdout"
expect_stderr "3$(text "条网众记录写出失败，无法保存到")$crlf$(native "$bad")"

case="a read-only output file is left alone"
printf 'keep\r\n' >"$work/ro.txt"
chmod a-w "$work/ro.txt"
convert "$work" --output "$(native "$work/ro.txt")" "$(native "$FIXTURES/client_config.xml")"
expect_status 2
[ "$(cat "$work/ro.txt")" = "keep$(printf '\r')" ] || fail "read-only file changed"
expect_stderr "2$(text "条顺网记录写出失败，无法保存到")$crlf$(native "$work/ro.txt")"

case="a failure with no records still says it failed"
convert "$work" --output "$(native "$bad")" "$(native "$work/plain.txt")"
expect_status 2
expect_stderr "0$(text "条云更新记录写出失败，无法保存到")$crlf$(native "$bad")"

case="--explain names every dropped chunk that holds a marker"
convert "$work" --explain --output "$(native "$work/x.out")" "$(native "$FIXTURES/client_config.xml")"
expect_status 0
expect_file "$FIXTURES/client_config.expected" "$work/x.out"
expect_stderr "$(text "第 3 块已丢弃：MAC 为 00-00-00-00-00-00")
$(text "第 4 块已丢弃：没有机器名")
$(text "第 5 块已丢弃：没有 MAC")
2$(text "条顺网记录写出成功已保存到")$crlf$(native "$work/x.out")"

case="--help"
convert "$work" --help
expect_status 0
grep -q "$(text "用法")" "$work/stdout" || fail "no usage on standard output"

for args in "" "--bogus x" "a b" "--output" "--output="; do
  case="usage error: '$args'"
  # shellcheck disable=SC2086
  convert "$work" $args
  expect_status 2
  grep -q "$(text "用法")" "$work/stderr" || fail "no usage on standard error"
done

if [ "$failures" -gt 0 ]; then echo "$failures failure(s)"; exit 1; fi
echo "console converter: all cases passed"
