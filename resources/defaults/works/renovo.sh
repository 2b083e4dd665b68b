#!/bin/sh
# Simulated update script: plays a short update into the progress pipe and
# ends well. It changes nothing: the real script lives on the device.
# Arguments: kernel app fpga, each 0 (update that part) or 1 (leave it).
# RENOVO_STUB_PAUSE shortens the pauses (seconds, default 1.5).
fifo="$(dirname "$0")/../tmp/updateOSTREL"
[ -p "$fifo" ] || { echo "no progress pipe at $fifo"; exit 3; }
pause=${RENOVO_STUB_PAUSE:-1.5}
[ "$1" = 0 ] && echo "kernel.img"
[ "$2" = 0 ] && echo "ostrel.tar"
[ "$3" = 0 ] && echo "fpga.pof"
printf '0 2 20\n' > "$fifo"
sleep "$pause"
printf '1 3 0\n' > "$fifo"
sleep "$pause"
sleep "$pause"
echo "done"
exit 0
