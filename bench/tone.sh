# Sourced (after scripts/common.sh) by the player benchmarks, with WHAT set to clip or live:
# installs what they run and runs them again under Xvfb when there is no display, builds, makes
# a work folder, and serves the tone for as long as the script runs: its clip's address in
# $clip_url, its live stream's in $live_url, and the one WHAT names in $url. Also sets
# $own_read_ahead (libVLC's arguments for the player's own read-ahead) and $as_user (what runs
# cvlc, which refuses to run as root, as an unprivileged user).
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}" vlc-bin
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
build -DLUMO_TESTS=ON -- Lumo lumo_bench_serve_tone lumo_bench_floor

work="$(mktemp -d)"
chmod 755 "$work"
trap 'exec 3>&-; kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# The tone server lives as long as file descriptor 3 stays open.
mkfifo "$work/serve-in"
"$LUMO_BUILD/bench/lumo_bench_serve_tone" < "$work/serve-in" > "$work/url" &
exec 3> "$work/serve-in"
for _ in $(seq 50); do [ "$(wc -l < "$work/url")" -ge 2 ] && break; sleep 0.1; done
clip_url="$(sed -n 1p "$work/url")"
live_url="$(sed -n 2p "$work/url")"
if [ "$WHAT" = live ]; then url="$live_url"; else url="$clip_url"; fi

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(runuser -u nobody -- env HOME="$work")
fi
own_read_ahead=(
    "--prefetch-buffer-size=$(sed -n 's/.*kNetworkReadAheadKiB = \([0-9]*\);.*/\1/p' "$LUMO_ROOT/src/media/VlcMediaPlayer.h")"
    "--prefetch-read-size=$(( $(sed -n 's/.*kNetworkReadBytes = \([0-9]*\) \* \([0-9]*\);.*/\1 * \2/p' "$LUMO_ROOT/src/media/VlcMediaPlayer.h") ))"
)

# tone_app URL: the player's copy (of $LUMO_BENCH_EXE when set, to compare another build),
# playing URL as its default station.
tone_app() {
    mkdir -p "$work/app"
    cp "${LUMO_BENCH_EXE:-$LUMO_BUILD/src/Lumo}" "$work/app/Lumo"
    printf '"RADIO","Bench Tone","","%s","NONE"\r\n' "$1" > "$work/app/DEFAULT"
}
