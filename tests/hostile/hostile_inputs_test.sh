#!/bin/sh
# Hostile inputs through the console converter, each against its expected
# outcome in the table below: the exit status, the caption on standard error,
# and the lines in the output file and on standard output.
#   hostile_inputs_test.sh [RUNNER...] NETBAR-MAC
# RUNNER is the emulator of a cross build (scripts/wine-run); paths handed to
# a Windows build are given in its form (Z:\...).
# Environment: FIXTURES (tests/fixtures), SOURCE_DIR (the source tree),
# NETBAR_BUILD_CHARSET (UTF-8 or GBK), HOLDER (the Windows helper that holds
# a file open for writing), NETBAR_SANITIZED (1 under a sanitizer runtime),
# HOSTILE_WORK (scratch room for the big lists).
#
# Besides its own expectations, every case must keep the promise that the
# caption tells the truth: when it says N records were written, the output
# file holds exactly the N lines shown on standard output; when it says none
# were, the file is empty; when it says the file could not be written, the
# lines are still on standard output.
set -u

. "$(dirname "$0")/../support/converter_under_test.sh"
use_converter "$@"
if [ -n "$runner" ]; then platform=windows; else platform=linux; fi

work=${HOSTILE_WORK:-${TMPDIR:-/tmp}/netbar-hostile}/run.$$
rm -rf "$work" && mkdir -p "$work" || exit 2
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $case ($platform): $*"; failures=$((failures + 1)); }
count_lines() { tr -cd '\n' <"$1" | wc -c | tr -d ' '; }
repeat() {  # repeat TEXT TIMES: TEXT written TIMES times, nothing between
  LC_ALL=C awk -v piece="$1" -v times="$2" 'BEGIN {
    chunk = ""; for (i = 0; i < 1024 && i < times; i++) chunk = chunk piece
    for (done = 0; done + 1024 <= times; done += 1024) printf "%s", chunk
    for (; done < times; done++) printf "%s", piece }'
}
same_bytes() { cmp -s "$1" "$2"; }

# Every line ends with CR LF and holds no other CR or LF.
well_formed_lines() {
  [ -s "$1" ] || return 0
  [ "$(tail -c 1 "$1" | od -An -c | tr -d ' ')" = '\n' ] || return 1
  LC_ALL=C awk '{ body = substr($0, 1, length($0) - 1)
                  if (substr($0, length($0)) != "\r" || index(body, "\r")) bad = 1 }
                END { exit bad }' "$1"
}

# --- the lists --------------------------------------------------------------

lists="$work/lists"
mkdir -p "$lists"

big_field_bytes=134217728  # the name of the last client of big_field.ini
make_big_field_list() {
  [ -f "$lists/big_field.ini" ] && return
  { cat "$FIXTURES/mac_sections.ini"
    printf '[00-1A-2B-3C-4D-99]\r\nName='
    head -c "$big_field_bytes" /dev/zero | tr '\0' x
    printf 'Area=0\r\n'; } >"$lists/big_field.ini"
}

# Each prepare_CASE sets: list (the list path; may be anything), out (the
# output path), want (the lines expected on standard output, a file; empty
# when only the caption's promise is checked), and
# optionally keep (what a file that must stay untouched holds), absent (1
# when the output file must not come into being) and launch (plain, held,
# or a memory limit in KiB).
prepare_defaults() {
  list=$lists/$case; out=$work/out/$case/Netbar_MAC.txt; want=/dev/null
  keep=""; absent=0; launch=plain
  mkdir -p "$work/out/$case"
  printf 'lines of an earlier run\r\n' >"$out"
}

prepare_empty_file() { : >"$list"; }
prepare_missing_path() { list=$lists/no-such-list.ini; }
prepare_directory() { mkdir -p "$list"; }
prepare_empty_path() { list=""; }
prepare_two_paths_joined() {
  cp "$FIXTURES/mac_sections.ini" "$lists/first.ini"
  cp "$FIXTURES/named_sections.ini" "$lists/second.ini"
  list="$(native "$lists/first.ini")$crlf$(native "$lists/second.ini")$crlf"
  list_is_native=1
}
prepare_binary_garbage() {
  # 256 KiB from a fixed generator, no NUL among them, so all are read.
  LC_ALL=C awk 'BEGIN { x = 12345
    for (i = 0; i < 262144; i++) { x = (x * 1103515245 + 12345) % 2147483648
                                   printf "%c", 1 + int(x / 65536) % 255 } }' >"$list"
  want=""
}
prepare_nul_first_byte() { { printf '\0'; cat "$FIXTURES/mac_sections.ini"; } >"$list"; }
prepare_only_brackets() { repeat '[' 1048576 >"$list"; }
prepare_only_client_tags() { repeat '<ClientConfig>' 65536 >"$list"; }
prepare_only_client_elements() { repeat '<ClientConfig></ClientConfig>' 65536 >"$list"; }
prepare_ten_megabyte_line() {
  { printf '[00-1A-2B-3C-4D-5E]Name='; head -c 10485760 /dev/zero | tr '\0' x
    printf 'Area=0'; } >"$list"
  want=$work/want-$case
  { printf '00-1A-2B-3C-4D-5E '; head -c 10485760 /dev/zero | tr '\0' x; printf '\r\n'; } >"$want"
}
prepare_million_empty_sections() { repeat '[]\r\n' 1048576 >"$list"; }
prepare_lone_lead_byte_at_end() {
  # The last MAC ends in a lead byte without its partner, the file's last byte.
  { cat "$FIXTURES/named_sections.ini"; printf '[PC006]\r\nMAC=00:1a:2b:3c:4d:6\260'; } >"$list"
  want=$work/want-$case
  { cat "$FIXTURES/named_sections.expected"; printf '00-1a-2b-3c-4d-6 PC006\r\n'; } >"$want"
}
prepare_markers_split() {
  # A lead byte swallows the "[" of the second client, so it stays in the
  # first chunk; "Na" 中 "me=" is no "Name="; the first "]" of the last
  # section is the trail byte of 0x81 0x5D, so the section name runs on.
  { printf '[00-1A-2B-3C-4D-5E]\r\nName=PC001\r\nArea=0\r\n'
    printf '\260[00-1A-2B-3C-4D-5F]\r\nName=PC002\r\nArea=0\r\n'
    printf '[00-1A-2B-3C-4D-60]\r\nNa\326\320me=PC003\r\nArea=0\r\n'
    printf '[\201]00-1A]\r\nName=PC006\r\nArea=0\r\n'; } >"$list"
  want=$work/want-$case
  printf '00-1A-2B-3C-4D-5E PC001\r\n\201]00-1A PC006\r\n' >"$want"
}
prepare_utf16_list() {
  { printf '\377\376'; iconv -f GBK -t UTF-16LE "$FIXTURES/named_sections_gbk.ini"; } >"$list"
  [ "$utf16_converts" = 1 ] && want=$FIXTURES/named_sections_gbk.expected
}
prepare_held_open_for_writing() {
  cp "$FIXTURES/mac_sections.ini" "$list"; launch=held
  [ "$platform" = linux ] && want=$FIXTURES/mac_sections.expected
}
prepare_read_only_output() {
  cp "$FIXTURES/client_config.xml" "$list"; want=$FIXTURES/client_config.expected
  keep="an earlier run's lines, read-only$crlf"
  printf '%s' "$keep" >"$out"; chmod a-w "$out"
}
prepare_output_dir_missing() {
  cp "$FIXTURES/named_sections.ini" "$list"; want=$FIXTURES/named_sections.expected
  out=$work/out/$case/no-such-directory/Netbar_MAC.txt; absent=1
}
prepare_output_is_directory() {
  cp "$FIXTURES/named_sections.ini" "$list"; want=$FIXTURES/named_sections.expected
  out=$work/out/$case/a-directory; mkdir -p "$out"
}
prepare_full_disk() {
  cp "$FIXTURES/mac_sections.ini" "$list"; want=$FIXTURES/mac_sections.expected; out=/dev/full
}
prepare_sparse_2gib() {
  cp "$FIXTURES/mac_sections.ini" "$list"; truncate -s 2147483648 "$list"
}
prepare_sparse_4gib_wrapping() {
  # Cut to 32 bits, the length would be exactly that of the list at the
  # file's start, which would then convert.
  cp "$FIXTURES/mac_sections.ini" "$list"
  truncate -s $((4294967296 + $(wc -c <"$FIXTURES/mac_sections.ini"))) "$list"
}
prepare_memory_for_a_field() {
  # Enough for the file and its chunks, not for every copy of the last
  # client's huge name (the name itself, the line that holds it).
  make_big_field_list; list=$lists/big_field.ini; want=$FIXTURES/mac_sections.expected
  launch=$(((big_field_bytes * 5 / 2 + 16 * 1048576) / 1024))
}
prepare_memory_for_the_file() {
  # Not even enough for the file: it reads as no file at all.
  make_big_field_list; list=$lists/big_field.ini
  launch=$(((big_field_bytes / 2 + 16 * 1048576) / 1024))
}

# --- the table --------------------------------------------------------------

# A UTF-16 list converts like the GBK list it was saved from wherever the
# tree recognises list encodings; without that it ends at its first NUL.
if [ -f "$SOURCE_DIR/text/list_encoding.h" ]; then
  utf16_converts=1; utf16_row="utf16_list all 0 ok:3:网众"
else
  utf16_converts=0; utf16_row="utf16_list all 1 none"
fi

# case                   platform status caption
#   none            "无记录写出"
#   ok:N:LABEL      "N条LABEL记录写出成功已保存到" CR LF output path
#   failed:N:LABEL  "N条LABEL记录写出失败，无法保存到" CR LF output path
#   claimed         whichever of these the lines on standard output make true
#   no-memory       the runtime error report "分配 N 字节内存失败!"
table="
empty_file               all     1    none
missing_path             all     1    none
directory                all     1    none
empty_path               all     1    none
two_paths_joined         all     1    none
binary_garbage           all     0|1  claimed
nul_first_byte           all     1    none
only_brackets            all     1    none
only_client_tags         all     1    none
only_client_elements     all     1    none
ten_megabyte_line        all     0    ok:1:云更新
million_empty_sections   all     1    none
lone_lead_byte_at_end    all     0    ok:4:网众
markers_split            all     0    ok:2:云更新
$utf16_row
held_open_for_writing    linux   0    ok:3:云更新
held_open_for_writing    windows 1    none
read_only_output         all     2    failed:2:顺网
output_dir_missing       all     2    failed:3:网众
output_is_directory      all     2    failed:3:网众
full_disk                all     2    failed:3:云更新
sparse_2gib              all     1    none
sparse_4gib_wrapping     all     1    none
memory_for_a_field       linux   255  no-memory
memory_for_the_file      linux   1    none
"

# --- running one case --------------------------------------------------------

run_converter() {
  if [ "${list_is_native:-0}" = 1 ]; then list_arg=$list; else list_arg=$(native "$list"); fi
  out_arg=$(native "$out")
  case $launch in
    plain)
      $runner "$binary" --output "$out_arg" "$list_arg" >"$work/stdout" 2>"$work/stderr" ;;
    held) run_while_held ;;
    *)
      (ulimit -v "$launch" && exec "$binary" --output "$out_arg" "$list_arg") \
        >"$work/stdout" 2>"$work/stderr" ;;
  esac
  status=$?
}

run_while_held() {
  if [ "$platform" = linux ]; then
    # POSIX has no sharing rule: another writer does not stop the read.
    (exec 9>>"$list"; "$binary" --output "$out_arg" "$list_arg") >"$work/stdout" 2>"$work/stderr"
    return
  fi
  rm -f "$work/ready" "$work/release"
  $runner "$HOLDER" "$list_arg" "$(native "$work/ready")" "$(native "$work/release")" &
  holder=$!
  waited=0
  while [ ! -f "$work/ready" ] && [ $waited -lt 600 ]; do sleep 0.1; waited=$((waited + 1)); done
  [ -f "$work/ready" ] || fail "the helper never held the list open"
  $runner "$binary" --output "$out_arg" "$list_arg" >"$work/stdout" 2>"$work/stderr"
  held_status=$?
  : >"$work/release"
  wait $holder
  # Once let go, the same list converts: the refusal was the sharing rule.
  $runner "$binary" --output "$(native "$work/after-release.txt")" "$list_arg" >/dev/null 2>&1 ||
    fail "the list does not convert even after the helper let go"
  return $held_status
}

expect_caption() {  # expect_caption TEXT: standard error is TEXT and one newline
  printf '%s\n' "$1" >"$work/want-stderr"
  same_bytes "$work/want-stderr" "$work/stderr" || {
    fail "standard error differs"; echo "--- wanted"; cat "$work/want-stderr"; echo "--- got"; head -c 400 "$work/stderr"; echo; }
}

check_outcome() {  # check_outcome STATUSES CAPTION
  case "|$1|" in *"|$status|"*) ;; *) fail "exit status $status, wanted $1" ;; esac
  well_formed_lines "$work/stdout" || fail "a line on standard output is not MAC, blank, name, CR LF"
  shown=$(count_lines "$work/stdout")
  caption=$2
  if [ "$caption" = claimed ]; then
    if [ "$shown" -eq 0 ]; then caption=none; else
      for label in 顺网 网众 云更新; do
        grep -q "$(text "条$label")" "$work/stderr" && caption=ok:$shown:$label
      done
    fi
  fi
  case $caption in
    none)
      expect_caption "$(text "无记录写出")"
      [ "$shown" -eq 0 ] || fail "$shown lines shown, but the caption says none"
      [ -f "$out" ] && [ ! -s "$out" ] || fail "the output file is not there and empty" ;;
    ok:*)
      count=${caption#ok:}; count=${count%%:*}; label=${caption##*:}
      expect_caption "$count$(text "条$label记录写出成功已保存到")$crlf$(native "$out")"
      [ "$shown" -eq "$count" ] || fail "$shown lines shown, the caption says $count"
      same_bytes "$work/stdout" "$out" || fail "the output file does not hold the lines shown" ;;
    failed:*)
      count=${caption#failed:}; count=${count%%:*}; label=${caption##*:}
      expect_caption "$count$(text "条$label记录写出失败，无法保存到")$crlf$(native "$out")"
      [ "$shown" -eq "$count" ] || fail "$shown lines shown, the caption says $count" ;;
    no-memory)
      asked=$(LC_ALL=C sed -n 's/.* \([0-9][0-9]*\) .*/\1/p' "$work/stderr" | head -n 1)
      # The request that fails is one for the huge name: its bytes and the
      # terminator, or the line that holds it.
      if [ -z "$asked" ] || [ "$asked" -le "$big_field_bytes" ] ||
         [ "$asked" -gt $((big_field_bytes + 64)) ]; then
        fail "the report names ${asked:-no} byte count, not the request for the name"
        asked=0
      fi
      printf '%s' "$(text "运行时出错!")$crlf$crlf$(text "错误信息：分配 ")$asked$(text " 字节内存失败!")$crlf" \
        >"$work/want-report"
      same_bytes "$work/want-report" "$work/stderr" || {
        fail "the report differs"; cat "$work/stderr"; }
      same_bytes "$work/stdout" "$out" || fail "the output file does not hold the lines shown" ;;
  esac
  if [ -n "$want" ] && ! same_bytes "$want" "$work/stdout"; then
    fail "standard output differs from $want"; head -c 300 "$work/stdout" | od -c | head
  fi
  if [ -n "$keep" ] && [ "$(cat "$out"; printf _)" != "${keep}_" ]; then fail "the output file was changed"; fi
  if [ "$absent" = 1 ] && [ -e "$out" ]; then fail "the output file came into being"; fi
}

echo "$table" | while read -r case where statuses caption; do
  [ -n "$case" ] || continue
  [ "$where" = all ] || [ "$where" = "$platform" ] || continue
  list_is_native=0
  prepare_defaults
  "prepare_$case"
  if [ "$launch" != plain ] && [ "$launch" != held ] && [ "${NETBAR_SANITIZED:-0}" = 1 ]; then
    echo "SKIP: $case ($platform): no memory limit under a sanitizer runtime"
    continue
  fi
  run_converter
  before=$failures
  check_outcome "$statuses" "$caption"
  [ $failures -eq $before ] && echo "ok: $case ($platform): status $status, $caption"
  chmod -R u+w "$work/out/$case" 2>/dev/null
  rm -rf "$work/out/$case" "$lists/$case"
  [ $failures -eq 0 ] || echo "$failures" >"$work/failed"
done

rm -f "$lists/big_field.ini"
if [ -f "$work/failed" ]; then echo "hostile inputs: failures"; exit 1; fi
echo "hostile inputs: every case as the table says"
