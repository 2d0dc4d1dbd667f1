#!/usr/bin/env bash
# lumo-catalogue over a generated export of the community directory, not a test.
#   bench/directory-export.sh [stations]     (default 50000; aim: under 1 s)
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
ensure_packages "${LUMO_PACKAGES[@]}" "${LUMO_TEST_PACKAGES[@]}"
build -- lumo-catalogue
stations="${1:-50000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/directory_answer.py" "$stations" "$work/stations.json"
echo "export: $stations stations, $(du -h "$work/stations.json" | cut -f1)"
times=()
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$LUMO_BUILD/tools/catalogue/lumo-catalogue" "$work/stations.json" "$work/Lumo.csv"
    end=$(date +%s%N)
    times+=("$(( (end - start) / 1000000 ))")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
echo "lumo-catalogue: median of 5 runs ${median} ms, $(wc -l < "$work/Lumo.csv") stations written"
peak=$(/usr/bin/python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024)' \
    "$LUMO_BUILD/tools/catalogue/lumo-catalogue" "$work/stations.json" "$work/Lumo.csv")
echo "lumo-catalogue: peak memory ${peak} MiB (the player converts the same way, off its window's thread)"
