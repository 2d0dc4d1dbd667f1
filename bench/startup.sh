#!/usr/bin/env bash
# Start-up benchmark, not a test: time from process start to playing a WAV served on
# 127.0.0.1, and memory 5 s into playing, for Lumo, for cvlc, and for the floor (a bare Qt
# window with libVLC playing into it: what any Qt player on libVLC costs) on the same file in
# the same run. Memory is read twice from the player process's /proc status: the resident set
# 5 s into playing (VmRSS) and the high-water mark of the whole run up to then (VmHWM), which
# also counts what start-up touched and gave back; and private memory (Private_Clean +
# Private_Dirty of /proc/PID/smaps_rollup: what no other process shares, here, where the
# programs run one at a time). Prints medians and ratios.
# The floor runs twice: with libVLC's defaults, and with the player's own read-ahead (which
# keeps libVLC from reading 16 MiB of the file ahead), so that the second ratio is the
# player's own overhead. Aims, against the floor with the player's read-ahead: start to playing
# <= 1.10, resident memory <= 1.15, private memory <= 1.3.
# The served file is a 120 s WAV clip; "live" plays the same tone as an endless ICY stream,
# which the player reads itself (a clip it leaves to libVLC after one look at the answer).
#   bench/startup.sh [runs, default 5] [clip|live, default clip]
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

RUNS="${1:-5}"
WHAT="${2:-clip}"
source "$(dirname "${BASH_SOURCE[0]}")/tone.sh"
tone_app "$url"

now_ms() { date +%s%3N; }

# run_one MARKER COMMAND... : prints "milliseconds resident_kib peak_kib private_kib"
run_one() {
    local marker="$1"; shift
    local log="$work/log" start pid elapsed=""
    : > "$log"
    start=$(now_ms)
    "$@" > "$log" 2>&1 &
    pid=$!
    for _ in $(seq 3000); do
        if grep -q -- "$marker" "$log"; then elapsed=$(( $(now_ms) - start )); break; fi
        sleep 0.005
    done
    sleep 5 # play for a while, then read the memory
    # the player itself: the started process, or its child when started through runuser
    local target resident peak private
    target=$(pgrep -P "$pid" -n 2>/dev/null || echo "$pid")
    resident=$(awk '/VmRSS/ {print $2}' "/proc/$target/status" 2>/dev/null || echo 0)
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$target/status" 2>/dev/null || echo 0)
    private=$(awk '/^Private_(Clean|Dirty):/ {n += $2} END {print n + 0}' \
        "/proc/$target/smaps_rollup" 2>/dev/null || echo 0)
    kill "$pid" 2>/dev/null; pkill -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "${elapsed:-NaN} ${resident:-0} ${peak:-0} ${private:-0}"
}

median() { sort -n | awk '{a[NR]=$1} END {if (NR==0) print "NaN"; else print a[int((NR+1)/2)]}'; }

: > "$work/lumo.txt"; : > "$work/cvlc.txt"; : > "$work/floor.txt"; : > "$work/floor_own.txt"
for run in $(seq "$RUNS"); do
    QT_LOGGING_RULES="lumo.media.info=true" run_one "playing" "$work/app/Lumo" >> "$work/lumo.txt"
    run_one "Stream buffering done" "${as_user[@]}" cvlc -vv --no-video-title-show "$url" >> "$work/cvlc.txt"
    run_one "playing" "$LUMO_BUILD/bench/lumo_bench_floor" "$url" >> "$work/floor.txt"
    run_one "playing" "$LUMO_BUILD/bench/lumo_bench_floor" "$url" "${own_read_ahead[@]}" >> "$work/floor_own.txt"
    echo "run $run: lumo $(tail -n1 "$work/lumo.txt"), cvlc $(tail -n1 "$work/cvlc.txt"), floor $(tail -n1 "$work/floor.txt"), floor with the player's read-ahead $(tail -n1 "$work/floor_own.txt")  (ms, resident, peak, private KiB)"
done

column_median() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
mb() { awk -v k="$1" 'BEGIN {printf "%.1f MB", k / 1024}'; }
echo
echo "median start to playing: Lumo $(column_median lumo 1) ms, cvlc $(column_median cvlc 1) ms, floor $(column_median floor 1) ms, floor with the player's read-ahead $(column_median floor_own 1) ms"
echo "    Lumo/floor $(ratio "$(column_median lumo 1)" "$(column_median floor 1)"), Lumo/floor with the player's read-ahead $(ratio "$(column_median lumo 1)" "$(column_median floor_own 1)") (aim <= 1.10), Lumo/cvlc $(ratio "$(column_median lumo 1)" "$(column_median cvlc 1)")"
for what in "2 resident 5 s into playing (VmRSS)" "3 peak up to then (VmHWM)" \
    "4 private 5 s into playing (smaps_rollup)"; do
    col=${what%% *}; label=${what#* }
    echo "median $label: Lumo $(mb "$(column_median lumo "$col")"), floor $(mb "$(column_median floor "$col")"), floor with the player's read-ahead $(mb "$(column_median floor_own "$col")"), cvlc $(mb "$(column_median cvlc "$col")")"
    echo "    Lumo/floor $(ratio "$(column_median lumo "$col")" "$(column_median floor "$col")"), Lumo/floor with the player's read-ahead $(ratio "$(column_median lumo "$col")" "$(column_median floor_own "$col")") (aim <= 1.15; private <= 1.3), Lumo/cvlc $(ratio "$(column_median lumo "$col")" "$(column_median cvlc "$col")")"
done
