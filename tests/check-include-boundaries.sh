#!/bin/sh
# Fails when code includes across the boundaries that keep the simulated host a cross-check:
# the plug-in (shell/, framework/, staffsetpanel/, resources/ and its file door
# platform/HostFiles*) must not include the simulated host or the substitute Win32 layer,
# and the simulated host must not include the plug-in. Both sides may include the neutral
# floor: platform/win32.h and the list of host functions, platform/HostFunctionList.h, which
# includes neither side.
#   check-include-boundaries.sh SOURCE_DIR
cd "${1:?usage: $0 SOURCE_DIR}" || exit 2

# Prints every #include line of the given files and folders that names one of the paths in
# the pattern (a folder ends in "/").
includes_of() { # paths-pattern files-and-folders...
    pattern=$1
    shift
    find "$@" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' \
        -o -name '*.rc' \) -exec grep -HnE \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]([^\">]*/)?($pattern)" {} +
}

plugin_breaches=$(includes_of 'simhost/|platform/substitute/' \
    shell framework staffsetpanel resources platform/HostFiles*)
host_breaches=$(includes_of 'shell/|framework/|staffsetpanel/|platform/HostFiles' simhost)
floor_breaches=$(includes_of 'simhost/|shell/|framework/|staffsetpanel/|platform/substitute/' \
    platform/HostFunctionList.h)

status=0
if [ -n "$plugin_breaches" ]; then
    echo "Plug-in code includes the simulated host or the substitute Win32 layer:"
    echo "$plugin_breaches"
    status=1
fi
if [ -n "$floor_breaches" ]; then
    echo "The list of host functions includes one side of the boundary:"
    echo "$floor_breaches"
    status=1
fi
if [ -n "$host_breaches" ]; then
    echo "The simulated host includes plug-in code:"
    echo "$host_breaches"
    status=1
fi
[ $status = 0 ] && echo "include boundaries hold"
exit $status
