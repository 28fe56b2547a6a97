#!/usr/bin/env bash
# Tests the Windows build that scripts/windows.sh left in build-win/, under Debian's Wine in a
# headless X display (Xvfb) and a fresh Wine prefix:
#   1. the cross-built suite through ctest (CMake runs each test program under Wine);
#   2. the Tombolix.exe of the zip: it opens on the example class and picks by Enter, writing
#      nothing, started in the example's folder or in its own; a double-click on the credit line
#      opens shell32's About box; without rand.ini, or given a class folder that does not exist,
#      it shows one error dialog and exits with status 1; a Big5 roster shows the same name as
#      the UTF-8 one (compared pixel by pixel), a different name does not, and so does the same
#      class given as the argument in a Chinese-named folder;
#   3. the MSI: a silent install, the Start-menu shortcut opens the window, and a silent
#      uninstall leaves the prefix's files and registry as they were.
# Screenshots go to build-win/screenshots/. Prints one line per check and a last line that counts
# the checks, the test programs and their test functions; exits non-zero if anything failed.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
root=$PWD
out=$root/build-win
source scripts/x11-search.sh
# The wine wrapper would stop to ask for the 32-bit Wine. Wine takes its ANSI code page from
# the locale: 950 under zh_TW.UTF-8, which the Big5 checks need.
wine=(env LC_ALL=zh_TW.UTF-8 /usr/lib/wine/wine64)
wineserver=/usr/lib/wine/wineserver
window_timeout=90 # a cold Wine takes its time for the first window
title='Class Number Tombolix'

version=$(<"$out/package/version") || exit 1
name=Tombolix-$version-win64
shots=$out/screenshots
work=$out/wine-run
rm -rf "$work" "$shots"
mkdir -p "$work" "$shots"

passed=0
failed=0
check()
{
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "PASS  $what"
    else
        failed=$((failed + 1))
        echo "FAIL  $what"
    fi
}

# Without the locale generated, Wine falls back to another and Chinese file names fail.
if ! locale -a 2>/dev/null | grep -qix 'zh_TW.utf8'; then
    as_root=()
    [[ "$(id -u)" -eq 0 ]] || as_root=(sudo)
    "${as_root[@]}" localedef -i zh_TW -f UTF-8 zh_TW.UTF-8 || exit 1
fi

# A display of our own, as large as the projector the window tests assume.
for display in $(seq 87 130); do
    [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] || break
done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$display
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.2
done

# No Mono or Gecko prompts, and no menu entries on the host for the Start-menu shortcut.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
cleanup()
{
    "$wineserver" -k 2>/dev/null
    kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
rm -rf "$WINEPREFIX"
start=$SECONDS
"${wine[@]}" wineboot -i >/dev/null 2>&1
"$wineserver" -w
echo "wine prefix ready in $((SECONDS - start)) s"

winpath() { local path=${1//\//\\}; echo "Z:$path"; }

# 1. The test suite, as ctest runs it on Linux; CMake starts each program through Wine with the
# environment it needs. One at a time: the window tests share the display and its focus.
suite_summary=
run_suite()
{
    local rc
    rm -f "$out"/test-logs/*.txt
    ctest --test-dir "$out" --output-on-failure --no-tests=error 2>&1 | tee "$work/ctest.log"
    rc=${PIPESTATUS[0]}
    # Under Wine the test programs log to files (cmake/WineTests.cmake); show what failed.
    ((rc == 0)) || grep -E '^(FAIL|QFATAL|QWARN)' -A3 "$out"/test-logs/*.txt | head -n 60
    suite_summary=$(grep -E '[0-9]+% tests passed' "$work/ctest.log" | tail -n 1)
    return "$rc"
}
check "test suite under Wine" run_suite

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

# Waits for a visible top-level window whose title matches, of the given process if one is
# given; prints its id. X hands an ended program's window ids to the next one, so windows are
# told apart by process as well.
wait_window()
{
    local of_process=()
    [[ -n ${2:-} ]] && of_process=(--all --pid "$2")
    wait_for_window "$window_timeout" --onlyvisible "${of_process[@]}" --name "$1"
}
windows_of() { find_windows --all --onlyvisible --pid "$1" --name 'Tombolix'; }

# What is on the screen, for a check that did not find what it waited for.
show_screen()
{
    local id
    for id in $(find_windows --onlyvisible --name 'Tombolix'); do
        echo "      on screen: '$(xdotool getwindowname "$id")' of process" \
            "$(xdotool getwindowpid "$id" 2>/dev/null)" >&2
    done
    import -silent -window root "$shots/screen-$((passed + failed + 1)).png"
}

# Each check starts on an empty screen, since what an earlier one left open would be in its
# pictures.
empty_screen()
{
    local i
    for i in $(seq 50); do
        [[ -z $(find_windows --onlyvisible --name 'Tombolix') ]] && return 0
        sleep 0.2
    done
    echo "      a window was left open" >&2
    show_screen
    return 1
}

# Starts Tombolix.exe in folder with the arguments that follow; sets pid.
start_program()
{
    local folder=$1
    shift
    empty_screen || return 1
    (cd "$folder" && exec "${wine[@]}" "$app/Tombolix.exe" "$@") >/dev/null 2>&1 &
    pid=$!
}

# Asks the program to close, as Windows does at log-off, and returns its exit status once it has
# ended. One that outlives the wait is ended by force, so nothing of it is left for the next check.
end_program()
{
    "${wine[@]}" taskkill /im Tombolix.exe >/dev/null 2>&1
    finish_program
}
finish_program()
{
    if ! timeout "$window_timeout" tail --pid="$pid" -s 0.2 -f /dev/null; then
        echo "      still running $window_timeout s later" >&2
        "${wine[@]}" taskkill /f /im Tombolix.exe >/dev/null 2>&1
        kill "$pid" 2>/dev/null
        wait "$pid"
        return 124 # as timeout(1) says it
    fi
    wait "$pid"
}

# Saves the window's picture (the window alone, as the screen shows it).
shoot()
{
    local window=$1 file=$2 geometry
    geometry=$(xdotool getwindowgeometry --shell "$window") || return 1
    eval "$geometry"
    import -silent -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$file"
}

same_picture() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
different_picture() { ! same_picture "$@"; }

# Starts the program in folder with the arguments that follow file, presses Enter once the
# window is up, waits for the pick to finish and saves the window's picture to file.
pick_in()
{
    local folder=$1 file=$2 window pid rc
    shift 2
    start_program "$folder" "$@" || return 1
    window=$(wait_window "^$title\$" "$pid")
    if [[ -z $window ]]; then
        echo "      no window in $folder" >&2
        show_screen
        end_program
        return 1
    fi
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --clearmodifiers Return
    # The pick is over when the window stops changing: counting, flashes and the slide take
    # two to four seconds.
    sleep 2
    local i
    for i in $(seq 20); do
        shoot "$window" "${file%.png}-before.png"
        sleep 1
        shoot "$window" "$file"
        same_picture "${file%.png}-before.png" "$file" && break
    done
    rm -f "${file%.png}-before.png"
    end_program
    rc=$?
    ((rc == 0)) || echo "      exit status $rc after closing" >&2
    return "$rc"
}

# The portable program writes nothing: no file outside its folder, no registry key.
portable_before=$(prefix_state)
check "opens on the example class and picks by Enter" \
    pick_in "$app/examples/utf8" "$shots/pick.png"
# A double-click starts the program in its own folder, where the zip's rand.ini opens the
# example class.
check "started in its own folder, as a double-click starts it, it opens the example class" \
    pick_in "$app" "$shots/double-click.png"
same_state()
{
    local now
    now=$(prefix_state)
    [[ "$portable_before" == "$now" ]] && return 0
    diff <(echo "$portable_before") <(echo "$now") | head -n 20 | sed 's/^/      /' >&2
    return 1
}
check "the portable program wrote no file and no registry key" same_state

# A double-click on the credit line, and only that, opens shell32's About box.
about_box()
{
    local window pid count
    start_program "$app/examples/utf8" || return 1
    window=$(wait_window "^$title\$" "$pid")
    [[ -n $window ]] || { show_screen; end_program; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The credit line runs along the bottom left of the window.
    xdotool mousemove $((X + 60)) $((Y + HEIGHT - 8)) click 1
    sleep 1
    count=$(windows_of "$pid" | wc -l)
    xdotool click --repeat 2 --delay 80 1
    local about= i
    for i in $(seq 60); do
        about=$(windows_of "$pid" | grep -vx "$window" | head -n 1)
        [[ -n $about ]] && break
        sleep 0.5
    done
    [[ -n $about ]] && shoot "$about" "$shots/about.png"
    end_program
    (($? != 124)) || return 1
    echo "      windows after a click: $count; About box after a double-click: ${about:-none}"
    ((count == 1)) && [[ -n $about ]]
}
check "a double-click on the credit line opens the About box, a click does not" about_box

# One error dialog, closed by Enter, then exit status 1; the arguments go to the program.
error_only()
{
    local shot=$1 empty=$work/empty window pid rc count
    shift
    mkdir -p "$empty"
    start_program "$empty" "$@" || return 1
    window=$(wait_window 'Tombolix' "$pid")
    [[ -n $window ]] || { show_screen; end_program; return 1; }
    sleep 1
    count=$(windows_of "$pid" | wc -l)
    shoot "$window" "$shot"
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --clearmodifiers Return
    finish_program
    rc=$?
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
    local folder=$work/$1
    mkdir -p "$folder"
    printf 'File=class.txt\r\nMaxClassNo=1\r\n' >"$folder/rand.ini"
    cat >"$folder/class.txt"
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
    mkdir -p "$work/三年甲班 A" "$work/empty"
    cp "$work/utf8/rand.ini" "$work/utf8/class.txt" "$work/三年甲班 A/"
    check "a Chinese-named class folder as the argument opens that class" \
        pick_in "$work/empty" "$work/argument.png" "$(winpath "$work/三年甲班 A")"
    check "the class given as the argument shows its own name" \
        same_picture "$work/utf8.png" "$work/argument.png"
else
    check "one-student classes pick" false
fi

# 3. The installer.
msi_round_trip()
{
    local before after installed=$WINEPREFIX/drive_c/Program\ Files/Tombolix pid window
    local shortcut
    before=$(prefix_state)
    "${wine[@]}" msiexec /i "$(winpath "$out/$name.msi")" /qn >/dev/null 2>&1 || return 1
    [[ -f $installed/Tombolix.exe && -f $installed/platforms/qwindows.dll ]] || return 1
    # Windows puts a per-machine shortcut under ProgramData; Wine puts it in the user's menu.
    shortcut=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Tombolix.lnk' | head -n 1)
    [[ -n $shortcut ]] || { echo "      no Start-menu shortcut" >&2; return 1; }
    # Through the shortcut, as a teacher starts it: its working folder holds rand.ini.
    empty_screen || return 1
    "${wine[@]}" start /wait /unix "$shortcut" >/dev/null 2>&1 &
    pid=$!
    window=$(wait_window "^$title\$")
    if [[ -z $window ]]; then
        echo "      no window from the shortcut" >&2
        show_screen
        kill "$pid"
        return 1
    fi
    shoot "$window" "$shots/installed.png"
    "${wine[@]}" taskkill /im Tombolix.exe >/dev/null 2>&1
    # start returns before the program ends; a running program would keep its files.
    timeout "$window_timeout" "$wineserver" -w || return 1
    "${wine[@]}" msiexec /x "$(winpath "$out/$name.msi")" /qn >/dev/null 2>&1 || return 1
    after=$(prefix_state)
    if [[ "$before" != "$after" ]]; then
        diff <(echo "$before") <(echo "$after") | head -n 20 | sed 's/^/      /' >&2
        return 1
    fi
}
check "MSI installs silently, its shortcut opens the window, it uninstalls without a trace" \
    msi_round_trip

# The same installer with the next build number must replace this one, not sit beside it.
# Windows keeps each installed product's name and version twice: in its uninstall entry and in
# the installer's own books.
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
    "${wine[@]}" msiexec /i "$(winpath "$out/$name.msi")" /qn >/dev/null 2>&1 || return 1
    "${wine[@]}" msiexec /i "$(winpath "$next_msi")" /qn >/dev/null 2>&1 || return 1
    versions=$(installed_versions)
    echo "      installed after upgrading $current to $next:" $versions
    "${wine[@]}" msiexec /x "$(winpath "$next_msi")" /qn >/dev/null 2>&1
    [[ $versions == "$next" && -z $(installed_versions) ]]
}
check "a later version's MSI upgrades in place" upgrade_in_place

echo "windows tests: checks $passed passed, $failed failed; suite: ${suite_summary:-no ctest summary}"
((failed == 0 && passed > 0))
