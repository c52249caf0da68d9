#!/usr/bin/env bash
# Starts the real desktop under a virtual X server on a shipped example, saves a picture of its
# window and checks that it shows a window with content (the picture checker counts its colours
# and where they lie), that a file that cannot be opened does not hold the program up, and the
# one-line message when no display is available.
# Exit code 77 tells CTest the test was skipped (no virtual X server installed).
set -u
quelta=$1
example=$2
picture_check=$3
if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not installed: skipping the desktop start"
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! env -u QT_QPA_PLATFORM timeout 120 xvfb-run -a -s "-screen 0 1280x900x24" \
        "$quelta" "$example" --screenshot "$out/window.png"; then
    echo "the desktop did not start and save its window"
    exit 1
fi
if ! measured=$("$picture_check" "$out/window.png"); then
    echo "the window picture is missing or blank: $measured"
    exit 1
fi
# A file that cannot be opened brings up a box over the window; the picture is still taken
# and the program still ends.
if ! env -u QT_QPA_PLATFORM timeout 120 xvfb-run -a -s "-screen 0 1280x900x24" \
        "$quelta" "$out/missing.txt" --screenshot "$out/box.png" || [ ! -s "$out/box.png" ]; then
    echo "with a file that cannot be opened, the desktop did not save its window and end"
    exit 1
fi
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$quelta" "$example" 2>&1)
status=$?
if [ "$status" -ne 1 ] || [[ "$message" != *"quelta-cli render"* ]]; then
    echo "without a display: exit $status, message '$message'"
    exit 1
fi
echo "desktop started, window saved: $measured"
