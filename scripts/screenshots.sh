#!/usr/bin/env bash
# Screenshots of the window after picks that land on hard captions: a long Chinese name, a long
# Latin name and a three-digit number. Each pick is typed into the hidden field, as a teacher
# would, under Xvfb with the X11 plugin a desktop uses.
#   bash scripts/screenshots.sh [program] [output folder]
# Defaults: build/src/tombolix and docs/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

program=$(realpath "${1:-build/src/tombolix}")
out=$(realpath "${2:-docs}")

[[ -x $program ]] || { echo "screenshots: no program at $program; build it first" >&2; exit 1; }
if [[ -z ${SCREENSHOTS_INSIDE_XVFB:-} ]]; then
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
    done
    mkdir -p "$out"
    SCREENSHOTS_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 640x480x24" \
        bash "${BASH_SOURCE[0]}" "$program" "$out"
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

shoot() {
    local number=$1 file=$2 pid window
    (cd "$class" && QT_QPA_PLATFORM=xcb exec "$program") &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    [[ -n $window ]] || { echo "screenshots: no window" >&2; kill "$pid"; exit 1; }
    xdotool windowfocus --sync "$window" type "$number"
    xdotool key Return
    # A count of up to 120 steps of 50 ms, then the half-second flash.
    sleep 8
    import -window "$window" "$out/$file"
    kill "$pid"
    wait "$pid" || true
    echo "$out/$file"
}

shoot 5 long-chinese-name.png
shoot 21 long-latin-name.png
shoot 117 three-digit-number.png
