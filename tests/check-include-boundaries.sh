#!/bin/sh
# Fails when code includes across the boundaries that keep the simulated host a cross-check:
# the plug-in (shell/, framework/, staffsetpanel/, resources/ and its file door
# platform/HostFiles*) must not include the simulated host or the substitute Win32 layer,
# and the simulated host must not include the plug-in.
#   check-include-boundaries.sh SOURCE_DIR
cd "${1:?usage: $0 SOURCE_DIR}" || exit 2

# Prints every #include line of the given files and folders that names one of the folders.
includes_of() { # folders-pattern paths...
    pattern=$1
    shift
    find "$@" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' \
        -o -name '*.rc' \) -exec grep -HnE \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]([^\">]*/)?($pattern)/" {} +
}

plugin_breaches=$(includes_of 'simhost|platform/substitute' \
    shell framework staffsetpanel resources platform/HostFiles*)
host_breaches=$(includes_of 'shell|framework|staffsetpanel' simhost)

status=0
if [ -n "$plugin_breaches" ]; then
    echo "Plug-in code includes the simulated host or the substitute Win32 layer:"
    echo "$plugin_breaches"
    status=1
fi
if [ -n "$host_breaches" ]; then
    echo "The simulated host includes plug-in code:"
    echo "$host_breaches"
    status=1
fi
[ $status = 0 ] && echo "include boundaries hold"
exit $status
