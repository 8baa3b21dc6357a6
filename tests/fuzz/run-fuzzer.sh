#!/bin/sh
# Runs the shape reader's fuzzer for a while. It works on a copy of the seed
# drawings in WORKDIR, so the seeds in the repository never change and what the
# fuzzer learns, or finds, stays in WORKDIR for the next run.
# Usage: run-fuzzer.sh FUZZER SECONDS WORKDIR
set -e
fuzzer=$1
seconds=$2
work=$3
here=$(dirname "$0")

mkdir -p "$work/corpus"
cp "$here"/corpus/* "$work/corpus/"
exec "$fuzzer" -max_total_time="$seconds" -dict="$here/svg.dict" \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus"
