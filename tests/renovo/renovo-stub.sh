#!/bin/sh
# Stand-in for the update script in tests: writes progress messages into
# the progress pipe next to its root and ends as told. Nothing else.
#   RENOVO_STUB_MESSAGES  messages separated by ";" (default "0 1 20;1 1 0")
#   RENOVO_STUB_PAUSE     seconds after each message (default 0.05)
#   RENOVO_STUB_SPLIT     1: each message in two writes, a pause between
#   RENOVO_STUB_END       exit0 (default), exit1, or crash (kills itself)
fifo="$(dirname "$0")/../tmp/updateOSTREL"
[ -p "$fifo" ] || { echo "no progress pipe"; exit 3; }
echo "stub $*"
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
esac
exit 0
