#!/usr/bin/env bash
# Idle-cost benchmark, not a test: what playing costs while nothing else happens. Lumo, the
# floor (a bare Qt window with libVLC, with the player's read-ahead) and cvlc play the same
# stream served on 127.0.0.1, interleaved, each for 5 s to settle and then SECONDS measured:
# CPU per cent (time on a CPU of all threads, from the scheduler's own count in nanoseconds:
# the user and system ticks of /proc/PID/stat over-count a program woken by its timers, which
# tend to run just as a tick is taken), wake-ups per second (voluntary and
# involuntary context switches of all threads), and at the end the resident set, the
# proportional set (Pss) and private memory (Private_Clean + Private_Dirty of smaps_rollup).
# Prints medians and the ratios to the floor, and the libVLC modules each loaded that the other
# did not (from /proc/PID/maps).
#   bench/idle.sh [seconds, default 30] [rounds, default 3] [live|clip|mp3|aac, default live]
#                 [behind]
# live and clip are the tone served by the benchmarks' own server; mp3 and aac are a 128 kbit/s
# live stream from Debian's Icecast fed by ffmpeg, as real stations are served. With "behind",
# Lumo is also measured playing from what it keeps: paused for 10 s over the desktop bus and
# played on, 10 s behind live (the aim: CPU and wake-ups within 10 % of playing live).
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

SECONDS_EACH="${1:-30}"
ROUNDS="${2:-3}"
WHAT="${3:-live}"
BEHIND="${4:-}"
if [ -n "$BEHIND" ] && [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/tone.sh"
if [ "$WHAT" = mp3 ] || [ "$WHAT" = aac ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/icecast.sh"
    url="$icecast_url/$WHAT"
fi
tone_app "$url"
export HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"

run_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%.0f\n", n}'; }
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {n += $2} END {print n + 0}'
}
rollup() { awk -v k="$2" '$1 == k":" {print $2}' "/proc/$1/smaps_rollup" 2>/dev/null || echo 0; }

# measure COMMAND... : prints "cpu_percent wakeups_per_second rss_kib pss_kib private_kib"
measure() {
    "$@" > /dev/null 2>&1 &
    local pid=$! target
    sleep 5
    if [ -n "${BEFORE_MEASURE:-}" ]; then "$BEFORE_MEASURE"; fi
    target=$(pgrep -P "$pid" -n 2>/dev/null || echo "$pid")
    local t0 s0 t1 s1
    t0=$(run_ns "$target"); s0=$(switches "$target")
    sleep "$SECONDS_EACH"
    t1=$(run_ns "$target"); s1=$(switches "$target")
    local rss pss private
    grep -o '[^/ ]*_plugin\.so' "/proc/$target/maps" 2>/dev/null | sort -u > "$work/modules.new" || true
    rss=$(rollup "$target" Rss); pss=$(rollup "$target" Pss)
    private=$(( $(rollup "$target" Private_Clean) + $(rollup "$target" Private_Dirty) ))
    kill "$pid" 2>/dev/null; pkill -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v dt=$((t1 - t0)) -v ds=$((s1 - s0)) -v s="$SECONDS_EACH" \
        -v r="$rss" -v p="$pss" -v q="$private" \
        'BEGIN {printf "%.2f %.1f %d %d %d\n", 100 * dt / 1e9 / s, ds / s, r, p, q}'
}

# Pauses the player for 10 s and plays on: what follows is heard from the kept stream.
mpris() {
    dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.lumo /org/mpris/MediaPlayer2 \
        "org.mpris.MediaPlayer2.Player.$1" > /dev/null 2>&1 || true
}
fall_behind() { mpris Pause; sleep 10; mpris Play; sleep 3; }

: > "$work/lumo.txt"; : > "$work/floor.txt"; : > "$work/cvlc.txt"; : > "$work/behind.txt"
echo "playing $url ($WHAT), $SECONDS_EACH s measured after 5 s, $ROUNDS rounds"
for round in $(seq "$ROUNDS"); do
    measure "$work/app/Lumo" >> "$work/lumo.txt"
    mv "$work/modules.new" "$work/modules.lumo"
    measure "$LUMO_BUILD/bench/lumo_bench_floor" "$url" "${own_read_ahead[@]}" >> "$work/floor.txt"
    mv "$work/modules.new" "$work/modules.floor"
    measure "${as_user[@]}" cvlc --no-video-title-show "$url" >> "$work/cvlc.txt"
    echo "round $round: lumo $(tail -n1 "$work/lumo.txt") | floor $(tail -n1 "$work/floor.txt") | cvlc $(tail -n1 "$work/cvlc.txt")  (CPU %, wake-ups/s, RSS, Pss, private KiB)"
    if [ -n "$BEHIND" ]; then
        BEFORE_MEASURE=fall_behind measure "$work/app/Lumo" >> "$work/behind.txt"
        rm -f "$work/modules.new"
        echo "round $round: lumo 10 s behind live $(tail -n1 "$work/behind.txt")"
    fi
done

median() { sort -n | awk '{a[NR]=$1} END {if (NR==0) print "NaN"; else print a[int((NR+1)/2)]}'; }
col() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b == 0) print "NaN"; else printf "%.2f", a / b}'; }
echo
for what in "1 CPU per cent" "2 wake-ups per second" "3 resident KiB" "4 proportional (Pss) KiB" "5 private KiB"; do
    c=${what%% *}; label=${what#* }
    printf '%-26s Lumo %8s  floor %8s  cvlc %8s  Lumo/floor %s\n' "$label" "$(col lumo "$c")" \
        "$(col floor "$c")" "$(col cvlc "$c")" "$(ratio "$(col lumo "$c")" "$(col floor "$c")")"
done
echo "aims: CPU <= 1.10, wake-ups <= floor + 10/s, resident <= 1.15, private <= 1.3 (x floor)"
if [ -n "$BEHIND" ]; then
    for what in "1 CPU per cent" "2 wake-ups per second" "3 resident KiB"; do
        c=${what%% *}; label=${what#* }
        printf '%-26s behind live %8s  live %8s  behind/live %s (aim <= 1.10)\n' "$label" \
            "$(col behind "$c")" "$(col lumo "$c")" "$(ratio "$(col behind "$c")" "$(col lumo "$c")")"
    done
fi
echo "libVLC modules only Lumo loaded: $(comm -23 "$work/modules.lumo" "$work/modules.floor" | tr '\n' ' ')"
echo "libVLC modules only the floor loaded: $(comm -13 "$work/modules.lumo" "$work/modules.floor" | tr '\n' ' ')"
