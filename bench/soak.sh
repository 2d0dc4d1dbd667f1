#!/usr/bin/env bash
# Soak benchmark, not a test: the real Lumo under Xvfb plays a loopback live stream (two
# stations, titles changing, pieces arriving late) for the given minutes (default 30). The
# server goes away for 10 s every 4 minutes; between bounces the station is switched through
# the chooser, as a listener would (xdotool). The player's memory is sampled every 15 s; its
# state is read over MPRIS. Prints every event, then start, peak and end memory and the slope
# over the second half. Aim: growth over the second half < 1 MB, every bounce recovered.
#   bench/soak.sh [minutes]
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

MINUTES="${1:-30}"
if [ -z "${LUMO_SOAK_SESSION:-}" ]; then
    ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}"
    export LUMO_SOAK_SESSION=1
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
build -DLUMO_TESTS=ON -- Lumo lumo_bench_soak_server

work="$(mktemp -d)"
trap 'exec 3>&-; kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

mkfifo "$work/server-in"
"$LUMO_BUILD/bench/lumo_bench_soak_server" < "$work/server-in" > "$work/urls" &
exec 3> "$work/server-in"
for _ in $(seq 50); do [ -s "$work/urls" ] && break; sleep 0.1; done
read -r url_a url_b < "$work/urls"

mkdir -p "$work/app" "$work/home"
cp "$LUMO_BUILD/src/Lumo" "$work/app/Lumo"
printf '"RADIO","Soak","Soak A","NONE","%s","NONE"\r\n"RADIO","Soak","Soak B","NONE","%s","NONE"\r\n' \
    "$url_a" "$url_b" > "$work/app/Lumo.csv"
printf '"RADIO","Soak A","NONE","%s","NONE"\r\n' "$url_a" > "$work/app/DEFAULT"
HOME="$work/home" QT_QPA_PLATFORM=xcb "$work/app/Lumo" > "$work/lumo.log" 2>&1 &
pid=$!

now() { date +%s; }
t0=$(now)
say() { printf '%5d s  %s\n' "$(( $(now) - t0 ))" "$*"; }

mpris() {
    dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.lumo /org/mpris/MediaPlayer2 \
        org.freedesktop.DBus.Properties.Get string:org.mpris.MediaPlayer2.Player "string:$1" \
        2>/dev/null
}
status() { mpris PlaybackStatus | awk -F'"' '/string/ {print $2}'; }
metadata() { mpris Metadata | grep -A1 "\"xesam:$1\"" | awk -F'"' '/variant/ {print $2}'; }
# wait_until SECONDS COMMAND... : true once COMMAND holds, checked twice a second
wait_until() {
    local limit=$(( $1 * 2 )); shift
    for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.5; done
    return 1
}
playing() { [ "$(status)" = "Playing" ]; }
not_playing() { [ "$(status)" != "Playing" ]; }
playing_station() { playing && [ "$(metadata album)" = "$1" ]; }

if ! wait_until 30 playing; then
    say "Lumo never played"; cat "$work/lumo.log"; exit 1
fi
say "playing Soak A"

# Memory every 15 s: seconds, resident KiB, the title shown.
( while kill -0 "$pid" 2>/dev/null; do
      echo "$(( $(now) - t0 )) $(awk '/VmRSS/ {print $2}' "/proc/$pid/status") $(metadata title)"
      sleep 15
  done ) > "$work/memory" &

bounces=0; recovered=0; switches=0; switched=0
bounce() {
    bounces=$(( bounces + 1 ))
    echo down >&3
    local down; down=$(now)
    wait_until 30 not_playing || say "still playing 30 s after the server went"
    sleep $(( 10 - ($(now) - down) > 0 ? 10 - ($(now) - down) : 0 ))
    echo up >&3
    local back; back=$(date +%s%3N)
    if wait_until 120 playing; then
        recovered=$(( recovered + 1 ))
        say "bounce $bounces: playing again $(awk -v ms=$(( $(date +%s%3N) - back )) 'BEGIN {printf "%.1f", ms / 1000}') s after the server returned"
    else
        say "bounce $bounces: NOT playing 120 s after the server returned"
    fi
}
switch_to() {
    local name="$1" row="$2" player x y chooser
    switches=$(( switches + 1 ))
    player=$(xdotool search --name '^Lumo$' | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$player" | grep -E '^(X|Y)=')"
    xdotool mousemove $(( X + 217 )) $(( Y + 347 )) click 1 # the change-station button
    if ! wait_until 10 xdotool search --onlyvisible --name '^Lumo Stations List$' > /dev/null; then
        say "switch $switches: the chooser did not open"; return
    fi
    chooser=$(xdotool search --onlyvisible --name '^Lumo Stations List$' | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$chooser" | grep -E '^(X|Y)=')"
    sleep 0.5
    xdotool mousemove $(( X + 40 )) $(( Y + 142 + row * 17 )) click --repeat 2 --delay 80 1
    if wait_until 30 playing_station "$name"; then
        switched=$(( switched + 1 )); say "switch $switches: playing $name"
    else
        say "switch $switches: NOT playing $name (status $(status), station $(metadata album))"
    fi
}

end=$(( t0 + MINUTES * 60 ))
next_bounce=$(( t0 + 240 )); next_switch=$(( t0 + 120 )); row=1
while [ "$(now)" -lt "$end" ] && kill -0 "$pid" 2>/dev/null; do
    if [ "$(now)" -ge "$next_bounce" ]; then
        bounce; next_bounce=$(( next_bounce + 240 ))
    elif [ "$(now)" -ge "$next_switch" ]; then
        if [ "$row" -eq 1 ]; then switch_to "Soak B" 1; row=0; else switch_to "Soak A" 0; row=1; fi
        next_switch=$(( next_switch + 240 ))
    fi
    sleep 1
done
kill -0 "$pid" 2>/dev/null || { say "Lumo ended by itself"; cat "$work/lumo.log"; exit 1; }
peak_hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
sleep 1

echo
echo "titles seen: $(cut -d' ' -f3- "$work/memory" | sort -u | grep -c .)"
echo "bounces recovered: $recovered of $bounces; station switches through the chooser: $switched of $switches"
awk -v hwm="$peak_hwm" -v minutes="$MINUTES" '
    { t[NR] = $1; m[NR] = $2; if ($2 > peak) peak = $2 }
    END {
        half = t[NR] / 2
        for (i = 1; i <= NR; i++) if (t[i] >= half) { n++; sx += t[i]; sy += m[i]; sxx += t[i] * t[i]; sxy += t[i] * m[i] }
        slope = (n * sxy - sx * sy) / (n * sxx - sx * sx) # KiB per second
        printf "memory (resident): start %.1f MB, peak %.1f MB (high-water mark %.1f MB), end %.1f MB\n",
               m[1] / 1024, peak / 1024, hwm / 1024, m[NR] / 1024
        printf "second half: slope %.1f KiB/min, growth %.2f MB over %.1f min (aim < 1 MB)\n",
               slope * 60, slope * (t[NR] - half) / 1024, (t[NR] - half) / 60
    }' "$work/memory"
