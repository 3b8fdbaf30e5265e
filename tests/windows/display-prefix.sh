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
if [ ! -f "$prefix/system.reg" ]; then
    rm -rf "$prefix.new"
    cp -a "$WINEPREFIX" "$prefix.new"
    for key in 'HKCU\Control Panel\Desktop' \
               'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        WINEPREFIX="$prefix.new" "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >/dev/null 2>&1
    done
    # The registry reaches its files when the server ends.
    WINEPREFIX="$prefix.new" wineserver -w
    rm -rf "$prefix"
    mv "$prefix.new" "$prefix"
fi
printf '%s\n' "$prefix"
