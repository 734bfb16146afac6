#!/bin/sh
# Draws the program's icon, DEFAULT_ICON, at 16, 32 and 48 pixels into
# netbar_mac.ico: a screen in the window's blue with three list lines, the
# shape of the MAC list the program writes. Needs ImageMagick; the .ico is
# kept in the tree, so the build does not.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 32 pixels: drawn on a grid of whole pixels, so nothing blurs.
convert -size 32x32 xc:none \
  -fill '#1f4fbf' -draw 'roundrectangle 1,2 30,23 3,3' \
  -fill '#ffffff' -draw 'rectangle 4,5 27,20' \
  -fill '#1f4fbf' -draw 'rectangle 6,7 15,8' -draw 'rectangle 18,7 25,8' \
  -fill '#1f4fbf' -draw 'rectangle 6,11 15,12' -draw 'rectangle 18,11 23,12' \
  -fill '#1f4fbf' -draw 'rectangle 6,15 15,16' -draw 'rectangle 18,15 25,16' \
  -fill '#404040' -draw 'rectangle 13,24 18,26' -draw 'rectangle 8,27 23,29' \
  "$tmp/32.png"

# 16 pixels: the same picture with one line per list row.
convert -size 16x16 xc:none \
  -fill '#1f4fbf' -draw 'rectangle 0,1 15,11' \
  -fill '#ffffff' -draw 'rectangle 2,3 13,9' \
  -fill '#1f4fbf' -draw 'rectangle 3,4 7,4' -draw 'rectangle 9,4 12,4' \
  -fill '#1f4fbf' -draw 'rectangle 3,6 7,6' -draw 'rectangle 9,6 11,6' \
  -fill '#1f4fbf' -draw 'rectangle 3,8 7,8' -draw 'rectangle 9,8 12,8' \
  -fill '#404040' -draw 'rectangle 6,12 9,13' -draw 'rectangle 3,14 12,15' \
  "$tmp/16.png"

convert "$tmp/32.png" -filter point -resize 48x48 "$tmp/48.png"
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" netbar_mac.ico
