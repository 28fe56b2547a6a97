#!/usr/bin/env bash
# Tests scripts/windows.sh's build-win/ under Debian's Wine, in Xvfb and a fresh prefix: the suite
# through ctest, the zip's program and the MSI, as the README's "Tested under Wine" says; pictures
# go to build-win/screenshots/. The last line counts the checks and the suite's tests.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
out=$PWD/build-win
source scripts/checks.sh
# The wine wrapper would stop to ask for the 32-bit Wine. Wine takes its ANSI code page from
# the locale: 950 under zh_TW.UTF-8, which the Big5 checks need.
wine=(env LC_ALL=zh_TW.UTF-8 /usr/lib/wine/wine64)
wineserver=/usr/lib/wine/wineserver
window_timeout=90 # a cold Wine takes its time for the first window

name=Tombolix-$(<"$out/package/version")-win64 || exit 1
shots=$out/screenshots work=$out/wine-run
rm -rf "$work" "$shots" && mkdir -p "$work" "$shots"
# Without the locale generated, Wine falls back to another and Chinese file names fail.
as_root=() && ((EUID == 0)) || as_root=(sudo)
locale -a | grep -qix zh_TW.utf8 || "${as_root[@]}" localedef -i zh_TW -f UTF-8 zh_TW.UTF-8 || exit 1
# A display of our own, as large as the projector the window tests assume.
start_xvfb 1920x1080x24 || exit 1
# No Mono or Gecko prompts, and no menu entries on the host for the Start-menu shortcut.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
trap '"$wineserver" -k 2>/dev/null; kill "$xvfb_pid" 2>/dev/null' EXIT
rm -rf "$WINEPREFIX"
start=$SECONDS
"${wine[@]}" wineboot -i >/dev/null 2>&1
"$wineserver" -w
echo "wine prefix ready in $((SECONDS - start)) s"

winpath() { local path=${1//\//\\}; echo "Z:$path"; }
msi() { "${wine[@]}" msiexec "$1" "$(winpath "$2")" /qn >/dev/null 2>&1; }

# 1. The test suite, as ctest runs it on Linux; CMake starts each program through Wine with the
# environment it needs. One at a time: the window tests share the display and its focus. Under
# Wine the test programs log to files (cmake/WineTests.cmake), shown when one fails.
rm -f "$out"/test-logs/*.txt "$out/junit.xml"
check "test suite under Wine" \
    ctest --test-dir "$out" --output-on-failure --no-tests=error --output-junit junit.xml \
    || grep -a -E '^(FAIL|QFATAL|QWARN)' -A3 "$out"/test-logs/*.txt | head -n 60
# The files of the prefix (outside windows\) and of the unpacked zip, and every registry value
# that names the program. (Wine and Windows Installer keep books of their own in the registry.)
prefix_state()
{
    "$wineserver" -w
    (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -print | sort)
    find "$app" | sort
    grep -i tombolix "$WINEPREFIX"/{system,user}.reg
}

# 2. The program from the zip.
mkdir "$work/zip" && (cd "$work/zip" && cmake -E tar xf "$out/$name.zip") || exit 1
app=$work/zip/$name
# X hands an ended program's window ids to the next one, so windows are told apart by process.
windows_of() { find_windows --all --onlyvisible --pid "$1" --name 'Tombolix'; }
# What is on the screen, for a check that did not find what it waited for.
show_screen()
{
    local id
    for id in $(find_windows --onlyvisible --name 'Tombolix'); do
        echo "      on screen: '$(xdotool getwindowname "$id")' of process" \
            "$(xdotool getwindowpid "$id" 2>/dev/null)" >&2
    done
    import -silent -window root "$shots/screen-$((checks_passed + checks_failed + 1)).png"
}
# Each check starts on an empty screen: what an earlier one left open would be in its pictures.
empty_screen()
{
    local _
    for _ in $(seq 50); do
        find_windows --onlyvisible --name 'Tombolix' >/dev/null || return 0
        sleep 0.2
    done
    echo "      a window was left open" >&2
    show_screen
    return 1
}
# open_program FOLDER TITLE [ARGUMENT...]: starts Tombolix.exe in FOLDER and waits for its window
# whose title matches; sets pid and window. Without one, shows the screen and ends the program.
open_program()
{
    local folder=$1 title=$2
    shift 2
    empty_screen || return 1
    (cd "$folder" && exec "${wine[@]}" "$app/Tombolix.exe" "$@") >/dev/null 2>&1 &
    pid=$!
    window=$(wait_for_window "$window_timeout" --onlyvisible --all --pid "$pid" --name "$title") \
        && return 0
    echo "      no window in $folder" >&2
    show_screen
    end_program
    return 1
}
# Asks the program to close, as Windows does at log-off, and returns its exit status once it has
# ended (124 if it had to be ended by force).
end_program()
{
    "${wine[@]}" taskkill /im Tombolix.exe >/dev/null 2>&1
    wait_for_exit "$window_timeout" "$pid"
}
# Saves the window's picture (the window alone, as the screen shows it).
shoot()
{
    local geometry
    geometry=$(xdotool getwindowgeometry --shell "$1") && eval "$geometry" \
        && import -silent -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

same_picture() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
different_picture() { ! same_picture "$@"; }
# press KEY...: the keys, as typed into $window.
press() { xdotool windowfocus --sync "$window" 2>/dev/null; xdotool key --clearmodifiers "$@"; }
# shellcheck disable=SC2086 # $choose and $keys are lists of keys
# pick_in FOLDER FILE [ARGUMENT...]: opens the program in FOLDER, picks by $keys (Enter unless
# set) and saves the window's picture to FILE once the pick is over, and the folder's files to
# $work/files-during before closing. With $choose set, first presses those keys in the chooser.
pick_in()
{
    local folder=$1 file=$2 window pid rc first=$window_title _
    shift 2
    [[ -z ${choose:-} ]] || first=Tombolix
    open_program "$folder" "^$first\$" "$@" || return 1
    if [[ -n ${choose:-} ]]; then
        press $choose
        window=$(wait_for_window 20 --onlyvisible --all --pid "$pid" --name "^$window_title\$") \
            || { show_screen; end_program; return 1; }
    fi
    press ${keys:-Return}
    # The pick is over when the window stops changing: counting, flashes and the slide take
    # two to four seconds.
    sleep 2
    for _ in $(seq 20); do
        shoot "$window" "${file%.png}-before.png"
        sleep 1
        shoot "$window" "$file"
        same_picture "${file%.png}-before.png" "$file" && break
    done
    rm -f "${file%.png}-before.png"
    ls -A "$folder" >"$work/files-during"
    end_program || { rc=$?; echo "      exit status $rc after closing" >&2; return "$rc"; }
}
# The portable program writes nothing: no file outside its folder, no registry key.
portable_before=$(prefix_state)
check "opens on the example class and picks by Enter" \
    pick_in "$app/examples/utf8" "$shots/pick.png"
# A double-click starts the program in its own folder, where the zip's rand.ini opens the
# example class.
check "started in its own folder, as a double-click starts it, it opens the example class" \
    pick_in "$app" "$shots/double-click.png"
check "the portable program wrote no file and no registry key" \
    same_text "$portable_before" "$(prefix_state)"
# A double-click on the credit line, and only that, opens shell32's About box.
about_box()
{
    local window pid count about= _
    open_program "$app/examples/utf8" "^$window_title\$" || return 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The credit line runs along the bottom left of the window.
    xdotool mousemove $((X + 60)) $((Y + HEIGHT - 8)) click 1
    sleep 1
    count=$(windows_of "$pid" | wc -l)
    xdotool click --repeat 2 --delay 80 1
    for _ in $(seq 60); do
        about=$(windows_of "$pid" | grep -vx "$window" | head -n 1)
        [[ -n $about ]] && break
        sleep 0.5
    done
    [[ -n $about ]] && shoot "$about" "$shots/about.png"
    end_program || (($? != 124)) || return 1
    echo "      windows after a click: $count; About box after a double-click: ${about:-none}"
    ((count == 1)) && [[ -n $about ]]
}
check "a double-click on the credit line opens the About box, a click does not" about_box
# One error dialog, closed by Enter, then exit status 1; the arguments go to the program.
error_only()
{
    local shot=$1 window pid rc count
    shift
    mkdir -p "$work/empty"
    open_program "$work/empty" 'Tombolix' "$@" || return 1
    sleep 1
    count=$(windows_of "$pid" | wc -l)
    shoot "$window" "$shot"
    press Return
    wait_for_exit "$window_timeout" "$pid"; rc=$?
    echo "      $count window(s) shown, exit status $rc"
    ((count == 1 && rc == 1))
}
check "without rand.ini: one error dialog, then exit status 1" error_only "$shots/error.png"
check "a class folder that does not exist: one error dialog, then exit status 1" \
    error_only "$shots/wrong-argument.png" 'Z:\no\such\class'
# One-student classes: the pick always lands on 1, so the windows must match pixel for pixel
# exactly when the names do.
one_student()
{
    mkdir -p "$work/$1" && printf 'File=class.txt\r\nMaxClassNo=1\r\n' >"$work/$1/rand.ini"
    cat >"$work/$1/class.txt"
}
printf '1\t陳大文\r\n' | one_student utf8
printf '1\t陳大文\r\n' | iconv -f UTF-8 -t BIG5 | one_student big5
printf '1\t李小明\r\n' | one_student other
if pick_in "$work/utf8" "$work/utf8.png" && pick_in "$work/big5" "$work/big5.png" \
    && pick_in "$work/other" "$work/other.png"; then
    check "Big5 roster under code page 950 shows the UTF-8 roster's name" \
        same_picture "$work/utf8.png" "$work/big5.png"
    check "a different name shows differently" different_picture "$work/utf8.png" "$work/other.png"
    # The same class in a folder whose name holds Chinese and a blank, given as the argument
    # from another folder, as Explorer passes a folder dropped onto the program.
    mkdir -p "$work/三年甲班 A"
    cp "$work/utf8/rand.ini" "$work/utf8/class.txt" "$work/三年甲班 A/"
    check "a Chinese-named class folder as the argument opens that class" \
        pick_in "$work/empty" "$work/argument.png" "$(winpath "$work/三年甲班 A")"
    check "the class given as the argument shows its own name" \
        same_picture "$work/utf8.png" "$work/argument.png"
    # The remote's Page Down picks as Enter does: the one student's name, not the empty window.
    keys=Next pick_in "$work/utf8" "$work/page-down.png" || true
    check "Page Down picks as Enter does" same_picture "$work/utf8.png" "$work/page-down.png"
    # A folder of classes: 三年10班 comes second, after 三年2班, as a file manager sorts them.
    classes=$work/年級
    for c in 三年2班 三年10班 '四年 甲班'; do mkdir -p "$classes/$c" && cp "$work/utf8"/* "$_"; done
    cp "$work/other/class.txt" "$classes/三年10班/"
    printf '1\t王五\r\n' >"$classes/四年 甲班/class.txt"
    choose='Down Return' keys='1 Return' pick_in "$work/empty" "$work/chosen.png" \
        "$(winpath "$classes")" || true
    check "the chooser's second class is 三年10班, and it opens that class" \
        same_picture "$work/other.png" "$work/chosen.png"
    escape() { open_program "$work/empty" '^Tombolix$' "$@" && press Escape && wait_for_exit 20 "$pid"; }
    check "Esc in the chooser ends the program with status 0" escape "$(winpath "$classes")"
else
    check "one-student classes pick" false
fi
# The example class as a workbook: the UTF-8 example's names in class.xlsx, under a heading row.
keys='7 Return' pick_in "$app/examples/utf8" "$work/text-7.png" \
    && keys='7 Return' pick_in "$app/examples/workbook" "$work/workbook-7.png"
check "a class whose roster is a workbook shows number 7's name as its text roster does" \
    same_picture "$work/text-7.png" "$work/workbook-7.png"
# Remember=1: each random pick goes to turns.txt, oldest first, and stays there across runs.
class=$work/remember before=$(prefix_state)
mkdir "$class" && cp "$app/examples/utf8"/* "$class" && printf 'Remember=1\r\n' >>"$class/rand.ini"
turns() { grep -o '^[0-9]\+' "$class/turns.txt" 2>/dev/null; }
turns_kept() { [[ $1 =~ ^[0-9]+$ && $2 =~ ^$1$'\n'([0-9]+)$ && ${BASH_REMATCH[1]} != "$1" ]]; }
pick_in "$class" "$work/remember-1.png"; first=$(turns)
pick_in "$class" "$work/remember-2.png"; second=$(turns)
echo "      turns.txt after one run: ${first//$'\n'/ }; after two: ${second//$'\n'/ }"
check "Remember=1: a second run's pick follows the first run's in turns.txt" \
    turns_kept "$first" "$second"
# A lock or a temporary file left behind would stop the next run or litter the class folder.
check "Remember=1 writes turns.txt beside rand.ini, and turns.lock only while running" \
    same_text "$(printf '%s\n' class.txt rand.ini turns.lock turns.txt - class.txt rand.ini \
    turns.txt "$before")" "$(cat "$work/files-during"; echo -; ls -A "$class"; prefix_state)"

# 3. The installer.
msi_round_trip()
{
    local before installed=$WINEPREFIX/drive_c/Program\ Files/Tombolix pid window shortcut
    before=$(prefix_state)
    msi /i "$out/$name.msi" || return 1
    [[ -f $installed/Tombolix.exe && -f $installed/platforms/qwindows.dll ]] || return 1
    # Windows puts a per-machine shortcut under ProgramData; Wine puts it in the user's menu.
    shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Tombolix.lnk' | head -n 1)
    [[ -n $shortcut ]] || { echo "      no Start-menu shortcut" >&2; return 1; }
    # Through the shortcut, as a teacher starts it: its working folder holds rand.ini.
    empty_screen || return 1
    "${wine[@]}" start /wait /unix "$shortcut" >/dev/null 2>&1 &
    pid=$!
    window=$(wait_for_window "$window_timeout" --onlyvisible --name "^$window_title\$") \
        || { echo "      no window from the shortcut" >&2; show_screen; kill "$pid"; return 1; }
    shoot "$window" "$shots/installed.png"
    "${wine[@]}" taskkill /im Tombolix.exe >/dev/null 2>&1
    # start returns before the program ends; a running program would keep its files.
    timeout "$window_timeout" "$wineserver" -w || return 1
    msi /x "$out/$name.msi" || return 1
    same_text "$before" "$(prefix_state)"
}
check "MSI installs silently, its shortcut opens the window, it uninstalls without a trace" \
    msi_round_trip
# An installer of the next build number must replace this one, not sit beside it. Windows keeps
# each installed product's name and version in its uninstall entry and in the installer's books.
installed_versions()
{
    "$wineserver" -w
    grep -A30 -i '^"DisplayName"="Tombolix"' "$WINEPREFIX/system.reg" \
        | sed -n 's/^"DisplayVersion"="\(.*\)"$/\1/p' | sort -u
}
upgrade_in_place()
{
    local current next versions next_msi=$out/package/next/Tombolix-next.msi
    read -r current next <"$out/package/msi-versions" || return 1
    cmake --build "$out" --target windows_next_msi >/dev/null || return 1
    msi /i "$out/$name.msi" && msi /i "$next_msi" || return 1
    versions=$(installed_versions)
    echo "      installed after upgrading $current to $next:" $versions
    msi /x "$next_msi"
    [[ $versions == "$next" && -z $(installed_versions) ]]
}
check "a later version's MSI upgrades in place" upgrade_in_place

suite=$(ctest_counts "$out/junit.xml") && suite=$(printf '%s passed, %s failed' $suite)
echo "windows tests: checks $checks_passed passed, $checks_failed failed;" \
    "suite: ${suite:-no ctest results}"
((checks_failed == 0 && checks_passed > 0))
