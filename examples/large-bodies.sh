#!/usr/bin/env bash
# Writes large random assemblies next to this script, made with quelta-cli's own Monte Carlo
# generator (trade-off members, simple majority), for trying the concepts of bodies of a
# thousand to ten thousand members:
#   examples/assembly1001.txt    1,001 members (odd), uniform ideal points
#   examples/assembly2000.txt    2,000 members (even), uniform ideal points
#   examples/assembly2001.txt    2,001 members (odd), uniform ideal points
#   examples/assembly10000.txt  10,000 voters (even) crowded about the middle (normal spread 15)
# usage: bash examples/large-bodies.sh [path/to/quelta-cli]     (default: build/src/quelta-cli)
# A negative seed restarts the generator, so the files are the same on every machine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/src/quelta-cli}
[ -x "$cli" ] || { echo "large-bodies.sh: $cli not found; build first (bash scripts/bootstrap.sh)" >&2; exit 2; }
for members in 1001 2000 2001; do
    "$cli" generate montecarlo --members "$members" --seed "-$members" --name "assembly$members" \
        -o "$here/assembly$members.txt"
    echo "$here/assembly$members.txt"
done
"$cli" generate montecarlo --members 10000 --distribution normal --mean 50,50 --spread 15,15 \
    --seed 3 --name assembly10000 -o "$here/assembly10000.txt"
echo "$here/assembly10000.txt"
