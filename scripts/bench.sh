#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/, runs them and prints one table: start-up
# against a bare Qt window, pick timing against the nominal ticks (idle and beside two busy
# processes), wake-ups after a pick, the draw engine, a workbook roster at a pick, and peak memory
# on bad workbooks; with the machine's load, as it is shared.
# Environment: BENCH_BUILD (build folder), BENCH_STARTUP_RUNS (10), BENCH_PICKS (20).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
source scripts/checks.sh
build=${BENCH_BUILD:-$root/build-bench}
startup_runs=${BENCH_STARTUP_RUNS:-10}
picks=${BENCH_PICKS:-20}
class_dir=$root/examples/utf8

work=$(mktemp -d)
xvfb_pid='' program_pid='' busy_pids=()

stop() { kill "$@" 2>/dev/null || true; wait "$@" 2>/dev/null || true; }
trap 'stop "${busy_pids[@]}" $program_pid $xvfb_pid; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

say() { printf '\n=== %s\n' "$*"; }
load() { cut -d' ' -f1-3 /proc/loadavg; }
# Busy and total jiffies of the whole machine, to tell how busy it was over a stretch.
cpu_sample() { awk '/^cpu / {print $2 + $3 + $4 + $7 + $8, $2 + $3 + $4 + $5 + $6 + $7 + $8}' /proc/stat; }

median()
{
    sort -g | awk '{v[NR] = $1} END {if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
# The value of key=value in a line of output.
field() { tr ' ' '\n' | sed -n "s/^$1=//p"; }

bash scripts/install-deps.sh
say "Build (Release) in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOMBOLIX_BENCH=ON >"$work/configure.log" \
    || { cat "$work/configure.log"; exit 1; }
cmake --build "$build" --parallel "$(nproc)" \
    --target tombolix bare_window first_paint bench_pick_timing bench_draw_engine \
    bench_workbook_pick bench_bad_workbooks

tombolix=$build/src/tombolix
bare=$build/bench/bare_window
probe=$build/bench/first_paint

load_before=$(load)
cpu_before=$(cpu_sample)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$work/runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

say "Draw engine: GetRand + CheckRepeat over whole cycles of a 99-student class"
timeout 120 "$build/bench/bench_draw_engine" | tee "$work/draw.txt"

workbook_dir=$root/examples/workbook
say "Workbook roster: the name of number 40, 200 lookups, against the same class as text"
timeout 120 "$build/bench/bench_workbook_pick" "$workbook_dir/class.xlsx" "$class_dir/class.txt" \
    40 | tee "$work/workbook-pick.txt"

say "Start-up under Xvfb: $startup_runs runs each, in turn, after one warm-up each"
# One server for every run. A plain black root lets the probe tell the program's first frame
# from the screen behind it.
start_xvfb 1280x800x24 -br || exit 1
export QT_QPA_PLATFORM=xcb

startup()
{
    (cd "$class_dir" && timeout 60 "$probe" --timeout-ms 30000 -- "${@:2}") \
        2>>"$work/startup-stderr.log" | tee -a "$work/startup-$1.txt"
}
# A remembered class with 30 turns saved, and a folder of 12 classes.
remember=$work/remember classes=$work/classes
mkdir "$remember" && cp "$class_dir"/* "$remember" && printf 'Remember=1\r\n' >>"$remember/rand.ini"
{ echo 'Tombolix turns: picked this round'; head -n 30 "$class_dir/class.txt"; } >"$remember/turns.txt"
for n in $(seq 12); do mkdir -p "$classes/三年${n}班" && cp "$class_dir"/* "$classes/三年${n}班"; done
programs=(tombolix bare label remember chooser workbook)
declare -A command=([tombolix]="$tombolix" [bare]="$bare" [label]="$bare --label"
    [remember]="$tombolix $remember" [chooser]="$tombolix $classes"
    [workbook]="$tombolix $workbook_dir")
for name in "${programs[@]}"; do
    # shellcheck disable=SC2086 # the command is a program and its arguments
    startup "$name" ${command[$name]} >/dev/null || true
    : >"$work/startup-$name.txt"
done
for run in $(seq "$startup_runs"); do
    # The order turns every run, so none always follows the same other.
    for i in "${!programs[@]}"; do
        name=${programs[(run + i) % ${#programs[@]}]}
        # shellcheck disable=SC2086
        printf 'run %2d %-8s %s\n' "$run" "$name" "$(startup "$name" ${command[$name]} || true)"
    done
done
declare -A paint rss cpu count size
for name in "${programs[@]}"; do
    count[$name]=$(wc -l <"$work/startup-$name.txt")
    ((count[$name] > 0)) || { echo "no start-up of $name succeeded" >&2; cat "$work/startup-stderr.log" >&2; exit 1; }
    paint[$name]=$(field first_paint_ms <"$work/startup-$name.txt" | median)
    rss[$name]=$(field max_rss_kb <"$work/startup-$name.txt" | median)
    cpu[$name]=$(field cpu_ms <"$work/startup-$name.txt" | median)
    size[$name]=$(field size <"$work/startup-$name.txt" | head -n 1)
done

say "Start-up on bad workbooks: peak memory up to the error dialog, 3 runs each"
# Each is a class folder of its own; the bombs and the long sheet are made here, being large.
timeout 120 "$build/bench/bench_bad_workbooks" "$work"
book=$workbook_dir/class.xlsx
head -c "$(($(stat -c %s "$book") / 2))" "$book" >"$work/truncated.xlsx"
bad=(encrypted.xlsx encrypted.ods old.xlsx truncated.xlsx blanks-bomb.xlsx name-bomb.xlsx
    rows-40000.xlsx no-such-sheet)
for name in "${bad[@]}"; do
    file=$work/$name extra=''
    case $name in
    encrypted.* | old.xlsx) file=$root/tests/files/workbooks/$name ;;
    no-such-sheet) file=$book extra=$'Sheet=沒有這張表\r\n' ;;
    esac
    mkdir "$work/bad-$name" && cp "$file" "$work/bad-$name/"
    printf 'File=%s\r\nMaxClassNo=40\r\n%s' "${file##*/}" "$extra" >"$work/bad-$name/rand.ini"
    for run in 1 2 3; do
        printf 'run %d %-16s %s\n' "$run" "$name" \
            "$(startup "bad-$name" "$tombolix" "$work/bad-$name" || true)"
    done
done
for name in "${bad[@]}"; do
    rss[bad-$name]=$(field max_rss_kb <"$work/startup-bad-$name.txt" | median || true)
    size[bad-$name]=$(field size <"$work/startup-bad-$name.txt" | head -n 1)
done
load_startup=$(load)

say "Idle: context switches of tombolix over 10 s once a pick is over"
# tombolix reads rand.ini from the folder it starts in.
(cd "$class_dir" && exec "$tombolix") 2>>"$work/idle-stderr.log" &
program_pid=$!
# switches [STATUS-FILE...]: the context switches of the threads, all of them unless named.
switches() { (($#)) || set -- /proc/"$program_pid"/task/*/status; awk '/ctxt_switches/ {s += $2} END {print s}' "$@"; }
window=$(wait_for_window 30 --onlyvisible --pid "$program_pid")
[[ -n $window ]] || { echo "tombolix showed no window" >&2; exit 1; }
before_pick=$(switches)
xdotool windowfocus --sync "$window" key Return
# The longest pick of the 40-student example: (69 + 2) x 50 ms + 7 x 75 ms = 4.1 s.
sleep 6
after_pick=$(switches)
sleep 10
after_idle=$(switches)
pick_switches=$((after_pick - before_pick))
idle_switches=$((after_idle - after_pick))
echo "during the pick (6 s): $pick_switches switches; idle 10 s after it: $idle_switches"
for task in /proc/"$program_pid"/task/*; do
    echo "  thread $(cat "$task/comm"): $(switches "$task/status") switches in all"
done
stop "$program_pid" "$xvfb_pid"
program_pid='' xvfb_pid=''
unset DISPLAY
((pick_switches >= 50)) \
    || { echo "the Return key started no pick: the idle count is not after a pick" >&2; idle_switches="no pick"; }
# pick_timing NAME FOLDER: $picks picks of the class in FOLDER, saved as pick-NAME.txt.
pick_timing()
{
    QT_QPA_PLATFORM=offscreen timeout 600 "$build/bench/bench_pick_timing" "$2" "$picks" \
        2>>"$work/pick-stderr.log" | tee "$work/pick-$1.txt"
}
say "Pick timing: $picks real picks of the real window, offscreen, idle machine"
pick_timing idle "$class_dir"
load_pick_idle=$(load)
say "Pick timing: $picks picks of the class with Remember=1, a new round, idle machine"
rm -f "$remember/turns.txt"
pick_timing remember "$remember"

say "Pick timing: $picks picks beside two CPU-bound processes"
for _ in 1 2; do
    yes >/dev/null &
    busy_pids+=($!)
done
pick_timing busy "$class_dir"
load_pick_busy=$(load)
stop "${busy_pids[@]}"
busy_pids=()

load_after=$(load)
cpu_after=$(cpu_sample)
busy_pct=$(awk -v a="$cpu_before" -v b="$cpu_after" 'BEGIN {
    split(a, x, " "); split(b, y, " "); printf "%.0f", 100 * (y[1] - x[1]) / (y[2] - x[2]) }')

# The table.
row() { printf '| %-34s | %12s | %12s | %13s | %7s | %-4s |\n' "$@"; }
verdict() { awk -v v="$1" -v g="$2" 'BEGIN { print (v != "" && v + 0 <= g + 0) ? "yes" : "NO" }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
abs() { awk -v v="$1" 'BEGIN { printf "%.3f", (v < 0) ? -v : v }'; }

rss_ratio=$(ratio "${rss[tombolix]}" "${rss[bare]}")
dev_idle=$(field median_dev_pct <"$work/pick-idle.txt")
dev_busy=$(field median_dev_pct <"$work/pick-busy.txt")
dev_remember=$(awk -v a="$(field median_dev_pct <"$work/pick-remember.txt")" -v b="$dev_idle" \
    'BEGIN { printf "%.3f", a - b }')
idle_met=NO
[[ $idle_switches =~ ^[0-9]+$ ]] && ((idle_switches <= 1)) && idle_met=yes

say "Results"
echo "machine: $(nproc) CPUs; load average (1, 5, 15 min) before: $load_before;" \
    "after start-up: $load_startup; after idle picks: $load_pick_idle;" \
    "during busy picks: $load_pick_busy; after: $load_after;" \
    "CPU busy over the whole run: $busy_pct %"
echo
row "metric" "tombolix" "reference" "ratio / dev" "goal" "met?"
row "----------------------------------" "------------" "------------" "-------------" \
    "-------" "----"
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
# paint_row METRIC PROGRAM REFERENCE GOAL: first paints and their ratio against the goal.
paint_row() { local r; r=$(ratio "${paint[$2]}" "${paint[$3]}")
    row "$1" "${paint[$2]} ms" "${paint[$3]} ms" "$r" "<=${4}x" "$(verdict "${r%x}" "$4")"; }
paint_row "start-up to first paint, median" tombolix bare 1.25
row "peak RSS at start-up, median" "$(mib "${rss[tombolix]}")" "$(mib "${rss[bare]}")" \
    "$rss_ratio" "<=1.15x" "$(verdict "${rss_ratio%x}" 1.15)"
row "  processor time of start-up" "${cpu[tombolix]} ms" "${cpu[bare]} ms" \
    "$(ratio "${cpu[tombolix]}" "${cpu[bare]}")" "-" "-"
row "  first paint vs window + 1 label" "${paint[tombolix]} ms" "${paint[label]} ms" \
    "$(ratio "${paint[tombolix]}" "${paint[label]}")" "-" "-"
row "  peak RSS vs window + 1 label" "$(mib "${rss[tombolix]}")" "$(mib "${rss[label]}")" \
    "$(ratio "${rss[tombolix]}" "${rss[label]}")" "-" "-"
paint_row "start-up, Remember=1 and 30 turns" remember tombolix 1.1
paint_row "start-up, chooser of 12 classes" chooser tombolix 1.25
row "pick time, median, idle" "$(field median_ms <"$work/pick-idle.txt") ms" \
    "$(field median_nominal_ms <"$work/pick-idle.txt") ms" "${dev_idle}%" "<=2%" \
    "$(verdict "$(abs "$dev_idle")" 2)"
row "pick deviation, Remember=1, idle" "$(field median_dev_pct <"$work/pick-remember.txt")%" \
    "${dev_idle}%" "${dev_remember}pp" "<=2pp" "$(verdict "$(abs "$dev_remember")" 2)"
row "pick time, median, 2 busy procs" "$(field median_ms <"$work/pick-busy.txt") ms" \
    "$(field median_nominal_ms <"$work/pick-busy.txt") ms" "${dev_busy}%" "<=5%" \
    "$(verdict "$(abs "$dev_busy")" 5)"
row "wake-ups in 10 s idle after a pick" "$idle_switches" "-" "-" "<=1" "$idle_met"
row "draw engine, per pick (99 class)" "$(field median_ns_per_pick <"$work/draw.txt") ns" "-" \
    "-" "-" "-"
paint_row "start-up, workbook class" workbook tombolix 1.15
row "  processor time, workbook class" "${cpu[workbook]} ms" "${cpu[tombolix]} ms" \
    "$(ratio "${cpu[workbook]}" "${cpu[tombolix]}")" "-" "-"
lookup=$(field workbook_median_ms <"$work/workbook-pick.txt")
text_lookup=$(field text_median_ms <"$work/workbook-pick.txt")
row "name lookup, 40-student workbook" "$lookup ms" "$text_lookup ms" \
    "$(ratio "$lookup" "$text_lookup")" "<=10 ms" "$(verdict "$lookup" 10)"
# Peak memory on each bad workbook against the good one; the bad one must have shown a window
# other than the main window (the error dialog).
for name in "${bad[@]}"; do
    more=$(awk -v b="${rss[bad-$name]}" -v g="${rss[workbook]}" \
        'BEGIN { if (b != "") printf "%+.1f MB", (b - g) * 1024 / 1e6 }')
    met=$(verdict "${more% MB}" 100) shown=-
    [[ -z ${rss[bad-$name]} ]] || shown=$(mib "${rss[bad-$name]}")
    [[ ${size[bad-$name]} != "${size[workbook]}" ]] || met="NO (no dialog)"
    row "peak RSS, $name" "$shown" "$(mib "${rss[workbook]}")" "${more:--}" "<=100MB" "$met"
done
echo
echo "start-up: ${count[tombolix]}, ${count[bare]}, ${count[label]}, ${count[remember]} and ${count[chooser]} good runs of tombolix, the bare window, the window with a label, the remembered class and the chooser; pick timing: $picks picks each;" \
    "draw: $(field redraws_per_pick <"$work/draw.txt") redraws per pick on average," \
    "$(field last_pick_ns <"$work/draw.txt") ns for the last pick of a cycle;" \
    "workbook: ${count[workbook]} good start-ups, 3 on each bad workbook, name lookups of at most" \
    "$(field workbook_max_ms <"$work/workbook-pick.txt") ms"
