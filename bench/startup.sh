#!/usr/bin/env bash
# Start-up benchmark, not a test: time from process start to playing a WAV served on
# 127.0.0.1, and peak resident memory while playing, for Lumo and for cvlc on the same file
# in the same run. Prints medians and Lumo/cvlc ratios.
#   bench/startup.sh [runs]
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

RUNS="${1:-5}"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}" vlc-bin
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
build -DLUMO_TESTS=ON -- Lumo lumo_bench_serve_tone

work="$(mktemp -d)"
chmod 755 "$work"
trap 'exec 3>&-; kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# The tone server lives as long as file descriptor 3 stays open.
mkfifo "$work/serve-in"
"$LUMO_BUILD/bench/lumo_bench_serve_tone" < "$work/serve-in" > "$work/url" &
exec 3> "$work/serve-in"
for _ in $(seq 50); do [ -s "$work/url" ] && break; sleep 0.1; done
url="$(head -n1 "$work/url")"

mkdir -p "$work/app"
cp "$LUMO_BUILD/src/Lumo" "$work/app/Lumo"
printf '"RADIO","Bench Tone","","%s","NONE"\r\n' "$url" > "$work/app/DEFAULT"

now_ms() { date +%s%3N; }

# run_one MARKER COMMAND... : prints "milliseconds peak_kib"
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
    sleep 3 # play for a while, then read the peak
    # the player itself: the started process, or its child when started through runuser
    local target peak
    target=$(pgrep -P "$pid" -n 2>/dev/null || echo "$pid")
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$target/status" 2>/dev/null || echo 0)
    kill "$pid" 2>/dev/null; pkill -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "${elapsed:-NaN} ${peak:-0}"
}

median() { sort -n | awk '{a[NR]=$1} END {if (NR==0) print "NaN"; else print a[int((NR+1)/2)]}'; }

# cvlc refuses to run as root: run it as an unprivileged user.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(runuser -u nobody -- env HOME="$work")
fi

: > "$work/lumo.txt"; : > "$work/cvlc.txt"
for run in $(seq "$RUNS"); do
    QT_LOGGING_RULES="lumo.media.info=true" run_one "playing" "$work/app/Lumo" >> "$work/lumo.txt"
    run_one "Stream buffering done" "${as_user[@]}" cvlc -vv --no-video-title-show "$url" >> "$work/cvlc.txt"
    echo "run $run: lumo $(tail -n1 "$work/lumo.txt"), cvlc $(tail -n1 "$work/cvlc.txt")  (ms, peak KiB)"
done

lumo_ms=$(cut -d' ' -f1 "$work/lumo.txt" | median); lumo_kib=$(cut -d' ' -f2 "$work/lumo.txt" | median)
cvlc_ms=$(cut -d' ' -f1 "$work/cvlc.txt" | median); cvlc_kib=$(cut -d' ' -f2 "$work/cvlc.txt" | median)
echo
echo "median start to playing: Lumo ${lumo_ms} ms, cvlc ${cvlc_ms} ms, ratio $(awk -v a="$lumo_ms" -v b="$cvlc_ms" 'BEGIN {printf "%.2f", a / b}')"
echo "median peak RSS playing: Lumo ${lumo_kib} KiB, cvlc ${cvlc_kib} KiB, ratio $(awk -v a="$lumo_kib" -v b="$cvlc_kib" 'BEGIN {printf "%.2f", a / b}')"
