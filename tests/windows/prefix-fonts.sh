#!/bin/sh
# Puts the caption-button font in a Wine prefix's Fonts folder, where Windows keeps it.
#   prefix-fonts.sh PREFIX
# Windows draws the glyphs of caption buttons, scroll arrows and check marks from the symbol
# font Marlett ("r" is the close box's cross, "0" and "1" minimise and maximise). Wine ships
# its own Marlett (Debian: fonts-wine, a recommended package), but the Debian build of Wine 8
# looks for its fonts in "<data dir>\..\fonts", which never reaches /usr/share/wine/fonts
# where the package puts them, and fontconfig does not list that folder either. Wine then
# matches "Marlett" with an ordinary text face, and the close box shows the letter "r". Wine
# reads every font in C:\windows\Fonts as each process starts, so a copy there is found.
# Only Marlett is copied: the dialogs' text keeps the faces that the substitute's
# measurements were taken with (Wine's own MS Sans Serif would change every dialog unit).
set -eu
prefix=$1
font=/usr/share/wine/fonts/marlett.ttf
fonts="$prefix/drive_c/windows/Fonts"
[ -f "$fonts/marlett.ttf" ] && exit 0
if [ ! -f "$font" ]; then
    echo "$font is missing (apt-get install fonts-wine): caption buttons will show letters" >&2
    exit 1
fi
mkdir -p "$fonts"
cp "$font" "$fonts/marlett.ttf"
