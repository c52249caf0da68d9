#!/usr/bin/env bash
# A Monte Carlo study on one host: generate N random scenarios, compute their concepts in
# parallel with GNU Parallel and collect one JSON line per scenario.
#
#   examples/batch/study.sh [-n COUNT] [-m MEMBERS] [-j JOBS] [-q QUELTA_CLI] [-o DIR]
#
# Writes DIR/scenarios/mc-<seed>.txt and DIR/concepts.jsonl (default DIR: study).
set -euo pipefail

count=100 members=25 jobs=0 out=study
cli=${QUELTA_CLI:-quelta-cli}
groups=vote,winset,yolk,pareto,statistics
while getopts "n:m:j:q:o:g:" option; do
    case $option in
        n) count=$OPTARG ;;
        m) members=$OPTARG ;;
        j) jobs=$OPTARG ;;
        q) cli=$OPTARG ;;
        o) out=$OPTARG ;;
        g) groups=$OPTARG ;;
        *) sed -n 5p "$0" >&2; exit 2 ;;
    esac
done
command -v parallel >/dev/null || { echo "study.sh: GNU Parallel is needed (apt-get install parallel)" >&2; exit 2; }
mkdir -p "$out/scenarios"

# Each scenario has its own seed (a negative seed restarts the generator), so any one of them
# can be made again alone.
seq 1 "$count" | parallel --will-cite -j "$jobs" --halt now,fail=1 \
    "$cli" generate montecarlo --members "$members" --seed -{} --name "mc-{}" \
    -o "$out/scenarios/mc-{}.txt"

# One quelta-cli process per batch of scenarios; --jsonl names each scenario's file and
# --keep-order writes the batches in the order of their files, whichever finishes first. A
# scenario whose concept fails still gets its line, with an "error" field; the study goes on.
status=0
find "$out/scenarios" -name 'mc-*.txt' | sort -V |
    parallel --will-cite -j "$jobs" -X --keep-order "$cli" concepts --jsonl --only "$groups" {} \
    >"$out/concepts.jsonl" || status=$?
failed=$(grep -c '"error":' "$out/concepts.jsonl" || true)
echo "$(wc -l <"$out/concepts.jsonl") scenarios in $out/concepts.jsonl, $failed failed"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
