#!/bin/sh
# Builds the plug-in DLL of a Windows preset twice, from two copies of the source tree in
# folders of different names and depths, and compares the two DLLs byte for byte. A
# difference means the DLL carries a time or a build path, and nobody could check a release
# against its source.
#   reproducible-dll.sh SOURCE_TREE WORK_FOLDER PRESET...
set -u
source=$1 work=$2
shift 2
rm -rf "$work"
mkdir -p "$work/a" "$work/second/tree/b" || exit 1
status=0
for tree in "$work/a" "$work/second/tree/b"; do
    # The working tree's files that git would commit (ignored ones, such as build/, left out).
    (cd "$source" && git ls-files -z --cached --others --exclude-standard | xargs -0 tar -cf -) | (cd "$tree" && tar -xf -) || exit 1
done
for preset in "$@"; do
    sums=""
    for tree in "$work/a" "$work/second/tree/b"; do
        log="$work/$preset-$(basename "$tree").log"
        # No compiler cache: an object made in the other folder would hide its paths.
        if ! (cd "$tree" && CCACHE_DISABLE=1 cmake --preset "$preset" -DBUILD_TESTING=OFF &&
              CCACHE_DISABLE=1 cmake --build "build/$preset" -j2 --target QMStaffSetPanel) \
              >"$log" 2>&1; then
            echo "$preset: the build in $tree failed (see $log)"
            status=1
            continue 2
        fi
        sums="$sums $(sha256sum "$tree/build/$preset/QMStaffSetPanel.dll" | cut -d' ' -f1)"
    done
    set -- $sums
    if [ "$1" = "$2" ]; then
        echo "$preset: both builds give QMStaffSetPanel.dll with SHA-256 $1"
    else
        echo "$preset: the two builds differ: $1 and $2"
        cmp -l "$work/a/build/$preset/QMStaffSetPanel.dll" \
            "$work/second/tree/b/build/$preset/QMStaffSetPanel.dll" | head -n 5
        status=1
    fi
done
exit $status
