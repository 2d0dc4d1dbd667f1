#!/usr/bin/env bash
# Jitter benchmark, not a test: how a network that holds a live stream's data back is heard.
# A live MP3 tone (128 kbit/s) is served on 127.0.0.1 with no burst at connect and with a
# 64 KiB burst, and held back once, HOLD seconds long, 8 s after the start; Lumo, libVLC's own
# reader (cvlc) and the floor player play it in turn into a PulseAudio null sink, recorded with
# parec, and the silence heard at the hold and the time from start to first sound are printed.
#   bench/jitter.sh [holds, default "1 2 3 5"] [players, default "lumo cvlc floor"]
# LUMO_BENCH_EXE names another build's Lumo to play instead of this one.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

HOLDS="${1:-1 2 3 5}"
PLAYERS="${2:-lumo cvlc floor}"
WHAT=live
ensure_packages pulseaudio pulseaudio-utils
source "$(dirname "${BASH_SOURCE[0]}")/tone.sh"
bench="$LUMO_ROOT/bench"

export PULSE_SERVER="unix:$work/pulse.socket"
export HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
pulseaudio --daemonize=no -n --exit-idle-time=-1 --log-target=stderr --log-level=0 \
    --load="module-native-protocol-unix socket=$work/pulse.socket auth-anonymous=1" \
    --load="module-null-sink sink_name=bench rate=44100" --load="module-always-sink" \
    2> "$work/pulse.log" &
for _ in $(seq 50); do pactl info > /dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink bench
# Silence played all along keeps the sink running, so that the recording starts with the player.
pacat -d bench --raw --format=s16le --rate=44100 --channels=2 < /dev/zero &
chmod 777 "$work/pulse.socket" 2>/dev/null || true

ffmpeg -nostdin -loglevel error -f lavfi -i "sine=frequency=440:duration=60" -c:a libmp3lame \
    -b:a 128k -write_xing 0 "$work/tone.mp3"

# heard PLAYER URL SECONDS: records while the player plays for the hold and a while after.
recorded_before=1000
heard() {
    local player="$1" url="$2" seconds="$3" pid rec
    sleep 2 # what the last player left in the sink has played out
    parec -d bench.monitor --format=s16le --rate=44100 --channels=2 --raw > "$work/heard.raw" &
    rec=$!
    # The recording runs before the player starts: its first second is left out of the count.
    for _ in $(seq 50); do [ -s "$work/heard.raw" ] && break; sleep 0.05; done
    sleep 1
    case "$player" in
        lumo) tone_app "$url"; "$work/app/Lumo" > /dev/null 2>&1 & ;;
        cvlc) "${as_user[@]}" env PULSE_SERVER="$PULSE_SERVER" cvlc --no-video-title-show \
                  "$url" > /dev/null 2>&1 & ;;
        floor) "$LUMO_BUILD/bench/lumo_bench_floor" "$url" "${own_read_ahead[@]}" \
                  > /dev/null 2>&1 & ;;
    esac
    pid=$!
    sleep "$seconds"
    kill "$pid" 2>/dev/null; pkill -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    kill "$rec"; wait "$rec" 2>/dev/null || true
    python3 "$bench/silence.py" "$work/heard.raw" "$recorded_before"
}

printf '%-6s %-5s %-6s %12s %12s\n' burst hold player "first sound" "silence (ms)"
for burst in 0 65536; do
    for hold in $HOLDS; do
        python3 "$bench/holding_server.py" "$work/tone.mp3" 16000 "$burst" 8 "$hold" \
            > "$work/port" &
        server=$!
        for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
        url="http://127.0.0.1:$(cat "$work/port")/live"
        for player in $PLAYERS; do
            read -r first silence < <(heard "$player" "$url" $((8 + hold + 6)))
            printf '%-6s %-5s %-6s %12s %12s\n' "$burst" "$hold" "$player" "$first" "$silence"
        done
        kill "$server"; wait "$server" 2>/dev/null || true
    done
done
