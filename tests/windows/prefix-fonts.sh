#!/bin/sh
# Puts Wine's own symbol and message fonts in a Wine prefix's Fonts folder, where Windows
# keeps them.
#   prefix-fonts.sh PREFIX
# Windows draws the glyphs of caption buttons, scroll arrows and check marks from the symbol
# font Marlett ("r" is the close box's cross, "0" and "1" minimise and maximise); Wine sets
# the text of message boxes in Tahoma, its default message font. Wine ships its own of both
# (Debian: fonts-wine, a recommended package), but the Debian build of Wine 8 looks for its
# fonts in "<data dir>\..\fonts", which never reaches /usr/share/wine/fonts where the
# package puts them, and fontconfig does not list that folder either. Wine then matches
# "Marlett" with an ordinary text face, so the close box shows the letter "r", and sets
# message boxes in a stand-in face, in which their layout can cut off a line's last letter.
# Wine reads every font in C:\windows\Fonts as each process starts, so copies there are
# found. Only these are copied: the panel's own text keeps the faces that the substitute's
# measurements were taken with (Wine's own MS Sans Serif would change every dialog unit).
set -eu
prefix=$1
fonts="$prefix/drive_c/windows/Fonts"
missing=0
for font in marlett.ttf tahoma.ttf tahomabd.ttf; do
    [ -f "$fonts/$font" ] && continue
    if [ -f "/usr/share/wine/fonts/$font" ]; then
        mkdir -p "$fonts"
        cp "/usr/share/wine/fonts/$font" "$fonts/$font"
    else
        missing=1
    fi
done
if [ $missing = 1 ]; then
    echo "Wine's fonts are missing from /usr/share/wine/fonts (apt-get install fonts-wine):" \
        "caption buttons and message boxes will not look as on Windows" >&2
    exit 1
fi
