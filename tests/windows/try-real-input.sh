#!/bin/bash
# The interactive host driven as a person drives it: mouse clicks and key presses sent to the
# X server (xdotool), which Wine receives as input from the user, never window messages.
# In the host's window: click a staff, Shift+click another, open the panel from the
# Plug-ins menu; in the panel: pick set 3 with the arrow keys, Shift+Tab to "&Create Set" and
# Enter, answer the question with Y; open the panel again from the menu, give the set a name
# (Shift+Tab twice, type, Alt+R), show it (Alt+S); close the panel with Escape, undo the
# naming from the Edit menu and leave by File > Exit. The host then writes what its records
# hold, which must be the expected text.
#   try-real-input.sh WINE VARLUNE.EXE EXPECTED WORK_FOLDER
# Runs inside an X display (DISPLAY) with WINEPREFIX set; exits 77 (skipped) without one.
# Each step waits for the host's journal (its standard output) to report what the step did,
# so the run takes as long as Wine needs and no longer.
set -u
wine=$1
program=$2
expected=$3
work=$4

if [ -z "${DISPLAY:-}" ]; then
    echo "no X display: the real-input test runs inside one (./run test provides it)"
    exit 77
fi
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 1; }

mkdir -p "$work"
journal="$work/try-journal.txt"
record="$work/try-record.txt"
rm -f "$record"
: >"$journal"
# Wine's own desktop window: the host's windows inside it have Wine's frames, and the screen
# coordinates the host states are coordinates in that window.
desktopName="varlune-try-$$"

windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\\\')"; }

"$wine" explorer "/desktop=$desktopName,1024x768" "$program" --try \
    --record "$(windows_path "$record")" >"$journal" 2>&1 &
host=$!

failed() {
    echo "FAILED: $*"
    echo "--- the host's journal ---"
    cat "$journal"
    # A host left open would hold the activation that the next Wine tests expect.
    "$wine" taskkill /F /IM "$(basename "$program")" >/dev/null 2>&1
    kill "$host" 2>/dev/null
    exit 1
}

# The journal as written, its lines ended by CR LF as Windows writes text.
journal_lines() { tr -d '\r' <"$journal"; }
# How often the journal has said exactly this line.
said() { journal_lines | grep -cxF -- "$1"; }
# Waits (up to 20 s) until the journal has said the line (so many times).
wait_for() { wait_count "$1" 1; }
wait_count() {
    local tries
    for tries in $(seq 200); do
        [ "$(said "$1")" -ge "$2" ] && return 0
        kill -0 "$host" 2>/dev/null || failed "the host ended while waiting for: $1"
        sleep 0.1
    done
    failed "the host's journal never said: $1"
}

wait_for "the panel is closed"
desktop=$(xdotool search --sync --limit 1 --name "^$desktopName - Wine desktop\$")
[ -n "$desktop" ] || failed "no Wine desktop window"
xdotool windowfocus --sync "$desktop"

# The host states where its staff list shows staff 1, and the rows' fixed height.
read -r firstX firstY step < <(journal_lines | sed -n \
    's/^staff list: staff 1 at \([0-9]*\), \([0-9]*\) on the screen, each next staff \([0-9]*\) pixels lower$/\1 \2 \3/p')
[ -n "${step:-}" ] || failed "the host did not say where its staff list is"
staff_at() { echo "$firstX $((firstY + ($1 - 1) * step))"; }

# Staves 16 to 18 (the violins and the viola) become the region.
# shellcheck disable=SC2046
xdotool mousemove --window "$desktop" $(staff_at 16) click 1
wait_for "staves 16 to 16 selected"
# shellcheck disable=SC2046
xdotool mousemove --window "$desktop" $(staff_at 18) keydown shift click 1 keyup shift
wait_for "staves 16 to 18 selected"

# The panel from the Plug-ins menu, by its mnemonic; its only item is highlighted.
xdotool key alt+p Return
wait_for "the panel is active"
# Row 3 holds a set already: creating asks before replacing it.
xdotool key Down Down Down Down shift+Tab Return
wait_for 'message box "Replace Current Staff Set?": A staff set already exist at the selected position. Do you want to replace the current staff set?'
xdotool key y
wait_for "undo history: Staff Set Panel"
wait_for "the score is active"

# The box gave the activation back to the host's window; the menu command brings the panel
# back, with the focus where it was.
before=$(said "the panel is active")
xdotool key alt+p Return
wait_count "the panel is active" $((before + 1))
xdotool key shift+Tab shift+Tab
xdotool type --delay 20 "High Strings"
xdotool key alt+r
wait_for "undo history: Staff Set Panel, Staff Set Panel"
xdotool key alt+s
wait_for "the score shows staff set 3"

xdotool key Escape
wait_for "the panel is closed"
xdotool key alt+e u
wait_for "redo steps: Staff Set Panel"

xdotool key alt+f x
for tries in $(seq 200); do
    kill -0 "$host" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$host" 2>/dev/null && failed "the host did not end after File > Exit"
[ -f "$record" ] || failed "the host wrote no record"
if ! diff -u "$expected" "$record"; then
    failed "the host's records differ from $expected"
fi
echo "the host's records are as expected"
