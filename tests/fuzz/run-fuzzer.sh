#!/bin/sh
# Runs a fuzzer for a while. It works on a copy of the seeds in WORKDIR, so the
# seeds in the repository never change and what the fuzzer learns, or finds,
# stays in WORKDIR for the next run. The seeds and dictionary are the shape
# reader's unless named (a folder and a file beside this script).
# Usage: run-fuzzer.sh FUZZER SECONDS WORKDIR [SEEDS DICTIONARY]
set -e
fuzzer=$1
seconds=$2
work=$3
here=$(dirname "$0")
seeds=${4:-corpus}
dictionary=${5:-svg.dict}

mkdir -p "$work/corpus"
cp "$here/$seeds"/* "$work/corpus/"
exec "$fuzzer" -max_total_time="$seconds" -dict="$here/$dictionary" \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus"
