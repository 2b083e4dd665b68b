#!/usr/bin/env bash
# Card and cable events for a running `ostrel --simulate`:
#   scripts/sim-card.sh in|out|ymount|usb N
# in/out: the card-detect device reports a card put in or taken out;
# ymount: the card's announcer says it is mounted; usb N: the USB-detect
# device reports N (0 cable off, 1 host connected, 2 host suspended).
# The root is OSTREL_ROOT, else ./sim-root. Writes only into the simulator's
# pipes, never creating a file where one is missing.
set -euo pipefail
root=${OSTREL_ROOT:-./sim-root}
usage() { echo "usage: $0 in|out|ymount|usb N" >&2; exit 2; }

# One 4-byte little-endian integer, as the detect drivers deliver it.
event() {
    local pipe=$root$1 value=$2
    [ -p "$pipe" ] || { echo "$0: $pipe is no pipe: is ostrel --simulate running?" >&2; exit 1; }
    printf "\\x$(printf %02x "$value")\\x00\\x00\\x00" >"$pipe"
}

case "${1:-}" in
    in) event /dev/DM365-DETECT 0 ;;
    out) event /dev/DM365-DETECT 1 ;;
    ymount)
        pipe=$root/tmp/service_sd
        [ -p "$pipe" ] || { echo "$0: $pipe is no pipe: is ostrel --simulate running?" >&2; exit 1; }
        printf ymount >"$pipe" ;;
    usb)
        [[ "${2:-}" =~ ^[0-9]+$ ]] && [ "$2" -le 255 ] || usage
        event /dev/DM365-USBDETECT "$2" ;;
    *) usage ;;
esac
