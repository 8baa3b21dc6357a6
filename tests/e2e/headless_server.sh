# The virtual X server the suite and the bench run on takes every client,
# also one that comes in just as the one before it left: a server that starts
# afresh whenever its last client leaves refuses such clients now and then.
. "$(dirname "$0")/lib/common.sh"
command -v xdpyinfo >/dev/null || skip "xdpyinfo is not installed"
"$SOURCE/scripts/run-headless" sh -c '
    for i in $(seq 1000); do
        xdpyinfo >/dev/null 2>&1 || { echo "client $i found no display"; exit 1; }
    done' || fail "a client in a row of 1000 found no display"
