# shellcheck shell=bash disable=SC2034 # the scripts that source this use its variables
# Sourced by the scripts that check the program from outside it: its window's title, a display
# of their own, windows under X, waiting for a program to end, and counting checks.

window_title='Class Number Tombolix'

# check WHAT COMMAND...: runs the command, prints whether it passed and returns its status;
# checks_passed and checks_failed count the outcomes.
checks_passed=0 checks_failed=0
check()
{
    local what=$1
    shift
    if "$@"; then
        checks_passed=$((checks_passed + 1))
        echo "PASS  $what"
    else
        checks_failed=$((checks_failed + 1))
        echo "FAIL  $what"
        return 1
    fi
}

# same_text EXPECTED ACTUAL: the two are the same; shows where they differ if not.
same_text()
{
    [[ $1 == "$2" ]] && return 0
    diff <(echo "$1") <(echo "$2") | head -n 20 | sed 's/^/      /' >&2
    return 1
}

# ctest_counts JUNIT-FILE: prints "PASSED FAILED" from what `ctest --output-junit` wrote. A test
# that did not run, such as one whose program is missing, failed, as in ctest's own summary.
ctest_counts()
{
    local suite name tests failures disabled skipped
    suite=$(sed -n '/<testsuite/,/>/p' "$1" 2>/dev/null | tr '\n' ' ')
    for name in tests failures disabled skipped; do
        [[ $suite =~ [[:space:]]$name=\"([0-9]+)\" ]] || return 1
        printf -v "$name" %s "${BASH_REMATCH[1]}"
    done
    echo "$((tests - failures - skipped - disabled)) $((failures + skipped))"
}

# start_xvfb SCREEN [XVFB-ARGUMENTS...]: Xvfb on a free display, one screen of SCREEN (WxHxDEPTH);
# exports DISPLAY once it takes clients, sets xvfb_pid. No resets: one turns the next client away.
start_xvfb()
{
    local file tries=100
    file=$(mktemp) || return 1
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset "${@:2}" 3>"$file" &>/dev/null &
    xvfb_pid=$!
    until [[ -s $file ]] || ((--tries == 0)); do sleep 0.1; done
    DISPLAY=:$(head -n 1 "$file")
    rm -f "$file"
    [[ $DISPLAY != : ]] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY
}

# find_windows ARGS...: the ids `xdotool search ARGS...` finds, one a line; fails if none. Debian 12's
# xdotool dies of BadWindow, printing nothing, when a window goes as it looks: that search reruns.
find_windows()
{
    local errors found _
    errors=$(mktemp) || return 1
    for _ in $(seq 20); do
        found=$(xdotool search "$@" 2>"$errors")
        grep -q '^X Error' "$errors" || break
    done
    rm -f "$errors"
    [[ -n $found ]] && echo "$found"
}

# wait_for_window SECONDS ARGS...: waits up to SECONDS for a window that find_windows ARGS...
# finds; prints the first one's id, or fails.
wait_for_window()
{
    local deadline=$((SECONDS + $1)) found
    shift
    until found=$(find_windows "$@"); do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
    echo "${found%%$'\n'*}"
}

# wait_for_exit SECONDS PID: the exit status of PID, a child of this shell, once ended; one that
# outlives the wait is killed, leaving nothing to what follows, and gives 124.
wait_for_exit()
{
    if ! timeout "$1" tail --pid="$2" -s 0.2 -f /dev/null; then
        echo "      still running $1 s later; ending it" >&2
        kill -KILL "$2" 2>/dev/null; wait "$2" 2>/dev/null
        return 124
    fi
    wait "$2"
}
