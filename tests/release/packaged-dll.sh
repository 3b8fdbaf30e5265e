#!/bin/sh
# What an engraver gets: unpacks a release zip as they would, checks it against SHA256SUMS,
# checks that every picture the guide shows is in it, then loads the unpacked DLL into the
# simulated host under Wine, opens the panel through the demo scenario, and reads its version
# resource as Windows does. Runs inside a display with the preset's Wine prefix ready
# (./run's in_display), from the source tree.
#   packaged-dll.sh ZIP PRESET
set -u
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") preset=$2
build="build/$preset"
name=$(basename "$zip" .zip)
unpacked="$build/unpacked"
rm -rf "$unpacked" && mkdir -p "$unpacked" || exit 1
(cd "$unpacked" && cmake -E tar xf "$zip") || exit 1
dll="$unpacked/$name/QMStaffSetPanel.dll"
fail() { echo "$name: $*"; exit 1; }

expected_sum=$(sed -n "s|  $name/QMStaffSetPanel.dll\$||p" "$(dirname "$zip")/SHA256SUMS")
[ -n "$expected_sum" ] || fail "SHA256SUMS does not list the DLL"
[ "$(sha256sum "$dll" | cut -d' ' -f1)" = "$expected_sum" ] || fail "the DLL differs from SHA256SUMS"
for picture in $(sed -n 's/.*](\([^)]*\.png\)).*/\1/p' "$unpacked/$name/guide.md"); do
    [ -f "$unpacked/$name/$picture" ] || fail "the guide shows $picture, which the zip lacks"
done

# Wine takes the DLL by its Windows path; forward slashes are separators there too.
windows_dll="Z:$(cd "$(dirname "$dll")" && pwd)/QMStaffSetPanel.dll"
"$WINELOADER" "$build/VARLUNE.exe" "$windows_dll" --script tests/scenarios/demo.scenario 2>"$unpacked/demo.log" |
    tr -d '\r' >"$unpacked/demo.txt"
diff -u tests/scenarios/demo.expected "$unpacked/demo.txt" >"$unpacked/demo.diff" ||
    { cat "$unpacked/demo.diff"; fail "the demo scenario differs with the packaged DLL"; }
NK_MODULE_FILE="$windows_dll" "$WINELOADER" "$build/tests/unit_tests.exe" \
    --gtest_filter='ModuleVersion.*' >"$unpacked/version.txt" 2>&1 ||
    { cat "$unpacked/version.txt"; fail "the version resource is not the release's"; }
echo "$name: unpacked, checked against SHA256SUMS, guide pictures present, panel opened" \
     "(demo scenario as expected), version resource read back"
