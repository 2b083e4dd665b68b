#!/bin/sh
# tst_devicerig where the rig cannot run: without root (as nobody when this
# runs as root; setpriv changes only the ids of the process it starts).
# Every test of the rig skips and the program must end with 77, which ctest
# counts Skipped: Passed would hide that the rig never ran.
program=$1
if [ "$(id -u)" -eq 0 ]; then
    set -- setpriv --reuid=65534 --regid=65534 --clear-groups -- "$program"
else
    set -- "$program"
fi
status=0
"$@" || status=$?
if [ "$status" -ne 77 ]; then
    echo "$program without root ended with $status, not 77 (skipped)" >&2
    exit 1
fi
echo "$program without root: skipped, as it should be"
