# Sourced by the player benchmarks, once their packages are there: builds what they run, makes
# a work folder, and serves the tone (its clip's address in $clip_url, its live stream's in
# $live_url) for as long as the script runs.
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

# tone_app URL: the player's copy, playing URL as its default station.
tone_app() {
    mkdir -p "$work/app"
    cp "$LUMO_BUILD/src/Lumo" "$work/app/Lumo"
    printf '"RADIO","Bench Tone","","%s","NONE"\r\n' "$1" > "$work/app/DEFAULT"
}
