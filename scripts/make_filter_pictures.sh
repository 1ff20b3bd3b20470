#!/usr/bin/env bash
# Makes the default EyeCare Filter pictures in data/ (committed; run again only to change them).
# Each is a small seamless tile, since the overlays tile it unscaled over the screen: warm and
# muted tints with a faint grain, meant to calm a bright screen when reading at night. One
# picture per format the filter reads, so every decoder is exercised by the defaults.
set -euo pipefail
cd "$(dirname "$0")/../data"
tile() { # tile NAME COLOUR GRAIN: a 96x96 tile of COLOUR with seamless grain of GRAIN percent
  convert -size 96x96 xc:"$2" -seed 7 -attenuate "$3" +noise Gaussian \
    -virtual-pixel tile -blur 0x0.8 -colorspace sRGB -depth 8 -compress lzw "$1"
}
tile amber.png '#f2a444' 0.25
tile paper.jpg '#d9c39a' 0.6
tile rose.bmp '#d98c8c' 0.2
tile forest.gif '#6f9a72' 0.3
tile slate.tif '#5c6670' 0.2
# BMP3 without colour-space data: every decoder reads it; a 24-bit plain bitmap.
convert rose.bmp -type TrueColor BMP3:rose.bmp
ls -l
