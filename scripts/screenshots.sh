#!/usr/bin/env bash
# Screenshots of the window after picks that land on hard captions: a long Chinese name, a long
# Latin name and a three-digit number; then a pick on the example class at 200 % and in full
# screen on a 1920 x 1080 projector. Each pick is typed into the hidden field, as a teacher
# would, under Xvfb with the X11 plugin a desktop uses.
#   bash scripts/screenshots.sh [program] [output folder]
# Defaults: build/src/tombolix and docs/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/x11-search.sh

program=$(realpath "${1:-build/src/tombolix}")
out=$(realpath "${2:-docs}")

[[ -x $program ]] || { echo "screenshots: no program at $program; build it first" >&2; exit 1; }
if [[ -z ${SCREENSHOTS_SCREEN:-} ]]; then
    for tool in xvfb-run xdotool import jwm; do
        command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
    done
    mkdir -p "$out"
    # Xvfb derives the dots per inch that small text is drawn at from the screen's size, so the
    # window at its design size keeps the screen its pictures were first taken on.
    SCREENSHOTS_SCREEN=small xvfb-run -a -s "-screen 0 640x480x24" \
        bash "${BASH_SOURCE[0]}" "$program" "$out"
    SCREENSHOTS_SCREEN=projector exec xvfb-run -a -s "-screen 0 1920x1080x24" \
        bash "${BASH_SOURCE[0]}" "$program" "$out"
fi

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
    kill "$pid"
    wait "$pid" || true
    echo "$out/$file"
}

if [[ $SCREENSHOTS_SCREEN == projector ]]; then
    # A window manager with nothing to show of its own, to carry out full screen.
    config=$(mktemp -d)
    printf '<JWM><StartupCommand>touch %s/ready</StartupCommand></JWM>\n' "$config" >"$config/jwmrc"
    jwm -f "$config/jwmrc" &
    wm=$!
    trap 'kill "$wm"; rm -rf "$config"' EXIT
    until [[ -e $config/ready ]]; do sleep 0.1; done
    # The pick of docs/screenshot.png, larger: Ctrl + plus four times from 100 % is 200 %.
    shoot examples/utf8 33 zoom-200-pick.png ctrl+plus ctrl+plus ctrl+plus ctrl+plus
    shoot examples/utf8 33 full-screen-pick.png F11
    exit
fi

class=$(mktemp -d)
trap 'rm -rf "$class"' EXIT
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
