#!/usr/bin/env bash
# Screenshots of the window after picks that land on hard captions (a long Chinese name, a long
# Latin name, a three-digit number), then at 200 % and in full screen on a 1920 x 1080 projector;
# each pick typed into the hidden field under Xvfb with the X11 plugin a desktop uses.
#   bash scripts/screenshots.sh [PROGRAM [FOLDER]]   (build/src/tombolix and docs/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/checks.sh

program=$(realpath "${1:-build/src/tombolix}")
out=$(realpath "${2:-docs}")

[[ -x $program ]] || { echo "screenshots: no program at $program; build it first" >&2; exit 1; }
for tool in Xvfb xdotool import jwm; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
mkdir -p "$out"
class=$(mktemp -d)
xvfb_pid='' wm=''
trap 'kill $wm $xvfb_pid 2>/dev/null; rm -rf "$class"' EXIT

# shoot FOLDER NUMBER FILE [KEY...]: the keys, such as zoom or full screen, go before the number.
shoot() {
    local folder=$1 number=$2 file=$3 pid window
    shift 3
    (cd "$folder" && QT_QPA_PLATFORM=xcb exec "$program") &
    pid=$!
    window=$(wait_for_window 30 --onlyvisible --pid "$pid")
    [[ -n $window ]] || { echo "screenshots: no window" >&2; kill "$pid"; exit 1; }
    xdotool windowfocus --sync "$window"
    (($# == 0)) || xdotool key --delay 100 "$@"
    xdotool type "$number"
    xdotool key Return
    # A count of up to 120 steps of 50 ms, then the half-second flash.
    sleep 8
    import -window "$window" "$out/$file"
    kill "$pid"; wait "$pid" || true
    echo "$out/$file"
}

# Xvfb derives the dots per inch that small text is drawn at from the screen's size, so the
# window at its design size keeps the screen its pictures were first taken on.
start_xvfb 640x480x24
# A class of 120, so that three-digit numbers are allowed; most names are ordinary.
for ((n = 1; n <= 120; ++n)); do
    case $n in
    5) name=歐陽娜娜子 ;;
    21) name="Alexandria Montgomery" ;;
    *) name=林雅婷 ;;
    esac
    printf '%d\t%s\r\n' "$n" "$name"
done >"$class/class.txt"
printf 'File=class.txt\r\nMaxClassNo=120\r\n' >"$class/rand.ini"

shoot "$class" 5 long-chinese-name.png
shoot "$class" 21 long-latin-name.png
shoot "$class" 117 three-digit-number.png
kill "$xvfb_pid"; wait "$xvfb_pid" || true

start_xvfb 1920x1080x24
# A window manager with nothing to show of its own, to carry out full screen.
printf '<JWM><StartupCommand>touch %s/ready</StartupCommand></JWM>\n' "$class" >"$class/jwmrc"
jwm -f "$class/jwmrc" 2>/dev/null &
wm=$!
until [[ -e $class/ready ]]; do sleep 0.1; done
# The pick of docs/screenshot.png, larger: Ctrl + plus four times from 100 % is 200 %.
shoot examples/utf8 33 zoom-200-pick.png ctrl+plus ctrl+plus ctrl+plus ctrl+plus
shoot examples/utf8 33 full-screen-pick.png F11
