#!/bin/sh
# Stand-in for the update script in tests: writes progress messages into
# the progress pipe next to its root and ends as told. Nothing else.
#   RENOVO_STUB_MESSAGES  messages separated by ";" (default "0 1 20;1 1 0")
#   RENOVO_STUB_PAUSE     seconds after each message (default 0.05)
#   RENOVO_STUB_SPLIT     1: each message in two writes, a pause between
#   RENOVO_STUB_OUTPUT    bytes of output lines to print first (default 0)
#   RENOVO_STUB_LINE      the line printed (default a file name)
#   RENOVO_STUB_UNBROKEN  bytes of "x" to print first, with no line break
#   RENOVO_STUB_BACKGROUND  1: leave a "sleep 60" running in the background,
#                         its pid in tmp/renovo-stub-child.pid beside the pipe
#   RENOVO_STUB_END       exit0 (default), exit1, crash (kills itself) or
#                         hang (never ends by itself)
fifo="$(dirname "$0")/../tmp/updateOSTREL"
[ -p "$fifo" ] || { echo "no progress pipe"; exit 3; }
if [ "$RENOVO_STUB_BACKGROUND" = 1 ]; then
    sleep 60 &
    echo $! > "$(dirname "$fifo")/renovo-stub-child.pid"
fi
echo "stub $*"
if [ "${RENOVO_STUB_UNBROKEN:-0}" -gt 0 ]; then
    head -c "$RENOVO_STUB_UNBROKEN" /dev/zero | tr '\0' x
fi
if [ "${RENOVO_STUB_OUTPUT:-0}" -gt 0 ]; then
    yes "${RENOVO_STUB_LINE:-works/lib/modules/extra/some-driver-file.ko}" | head -c "$RENOVO_STUB_OUTPUT"
    printf '\nlast line\n'
fi
pause=${RENOVO_STUB_PAUSE:-0.05}
IFS=';'
for message in ${RENOVO_STUB_MESSAGES:-0 1 20;1 1 0}; do
    if [ "$RENOVO_STUB_SPLIT" = 1 ]; then
        printf '%s' "${message%% *} " > "$fifo"
        sleep "$pause"
        printf '%s\n' "${message#* }" > "$fifo"
    else
        printf '%s\n' "$message" > "$fifo"
    fi
    sleep "$pause"
done
case "${RENOVO_STUB_END:-exit0}" in
    exit1) exit 1 ;;
    crash) kill -KILL $$ ;;
    hang) exec sleep 3600 ;;
esac
exit 0
