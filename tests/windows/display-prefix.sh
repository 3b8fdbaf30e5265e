#!/bin/sh
# Prints the Wine prefix a scenario runs in. A scenario that sets the display's scale
# ("display 144 dpi") needs a prefix whose LogPixels is that scale, read by Wine when its
# server starts: one per scale beside the base prefix ($WINEPREFIX-dpi144), copied from it
# the first time (much faster than making a new one) and kept. Every other scenario, and
# one at 96 dpi, runs in the base prefix.
#   display-prefix.sh WINE SCENARIO     with WINEPREFIX naming the base prefix
# WINE is the loader of the scenario's architecture (wine or wine64). The copy's server is
# its own: Wine keys a server by the prefix directory.
set -eu
wine=$1
scenario=$2
: "${WINEPREFIX:?the base prefix}"
dpi=$(sed -n 's/^[[:space:]]*display[[:space:]]\{1,\}\([0-9]\{1,\}\)[[:space:]]\{1,\}dpi[[:space:]]*$/\1/p' "$scenario" | head -n 1)
if [ -z "$dpi" ] || [ "$dpi" = 96 ]; then
    printf '%s\n' "$WINEPREFIX"
    exit 0
fi
prefix="$WINEPREFIX-dpi$dpi"
# The copy with its scale, made beside the prefix and then put in its place.
make_prefix() {
    rm -rf "$prefix.new" &&
        cp -a "$WINEPREFIX" "$prefix.new" 2>/dev/null &&
        WINEPREFIX="$prefix.new" "$wine" reg add 'HKCU\Control Panel\Desktop' \
            /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 &&
        WINEPREFIX="$prefix.new" "$wine" reg add \
            'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
            /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 &&
        # The registry reaches its files when the server ends.
        WINEPREFIX="$prefix.new" wineserver -w &&
        rm -rf "$prefix" &&
        mv "$prefix.new" "$prefix"
}

# The base prefix's server may be saving its registry (a file written and renamed) while it
# is copied, and cp then fails on a file that vanished: such a copy is made again.
tries=1
while [ ! -f "$prefix/system.reg" ]; do
    make_prefix && break
    [ "$tries" -lt 4 ] || { echo "cannot make $prefix from $WINEPREFIX" >&2; exit 1; }
    tries=$((tries + 1))
    sleep 2
done
# A copy made before the base prefix had Wine's fonts gets them here.
sh "$(dirname "$0")/prefix-fonts.sh" "$prefix" || true
printf '%s\n' "$prefix"
