#!/bin/sh
# Runs a fuzzer on a copy of the seeds in WORKDIR, so that the seeds in the
# repository never change. LIMIT is either seconds, for `make fuzz`, whose
# learning and findings stay in WORKDIR for the next run, or runs=N, for the
# tests: N inputs from the committed seeds alone with a fixed random seed, so
# that a result is the same on every machine. The seeds and dictionary are the
# shape reader's unless named (a folder and a file beside this script).
# Usage: run-fuzzer.sh FUZZER LIMIT WORKDIR [SEEDS DICTIONARY]
set -e
fuzzer=$1
limit=$2
work=$3
here=$(dirname "$0")
seeds=${4:-corpus}
dictionary=${5:-svg.dict}

case $limit in
runs=*) rm -rf "$work/corpus"; options="-$limit -seed=1" ;;
*) options="-max_total_time=$limit" ;;
esac
mkdir -p "$work/corpus"
cp "$here/$seeds"/* "$work/corpus/"
exec "$fuzzer" $options -dict="$here/$dictionary" \
    -artifact_prefix="$work/" -print_final_stats=1 "$work/corpus"
