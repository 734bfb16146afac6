# Sourced by the shell suites that drive the console converter.
#   use_converter [RUNNER...] NETBAR-MAC
# sets `runner` (the emulator of a cross build, scripts/wine-run, or empty),
# `binary` (the converter's absolute path) and `charset` (the build's, from
# NETBAR_BUILD_CHARSET), and provides:
#   native PATH   the path in the form the binary understands (Z:\... for a
#                 Windows build; the empty path stays empty)
#   text TEXT     one of the tool's own texts in the build's character set
#   $crlf         CR LF
use_converter() {
  [ $# -ge 1 ] || { echo "usage: $0 [RUNNER...] NETBAR-MAC" >&2; exit 2; }
  runner=""
  while [ $# -gt 1 ]; do runner="$runner $1"; shift; done
  binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  charset=${NETBAR_BUILD_CHARSET:-UTF-8}
}

native() {
  if [ -n "$runner" ] && [ -n "$1" ]; then printf 'Z:%s' "$1" | tr / '\\'; else printf '%s' "$1"; fi
}

text() {
  if [ "$charset" = UTF-8 ]; then printf '%s' "$1"; else printf '%s' "$1" | iconv -f UTF-8 -t "$charset"; fi
}

crlf=$(printf '\r\n_'); crlf=${crlf%_}
