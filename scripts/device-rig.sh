#!/usr/bin/env bash
# Runs the device build unmodified against the simulated devices, served out
# of process (device-rig, encoder-sim), with a rig root as its "/", inside
# mount, PID and IPC namespaces of its own:
#   scripts/device-rig.sh [options] [-- program arguments]
#     --program PATH    the program to run (default: BUILD/bin/ostrel)
#     --emulator "CMD"  runs the program through CMD (e.g. "qemu-arm -L SYSROOT")
#     --build DIR       the build folder BUILD, where device-rig, rig-exec,
#                       encoder-sim and vnc-forwarder are (default: build)
#     --root DIR        an empty folder to build the rig root in (kept when the
#                       program ends; default: a temporary folder in $TMPDIR or
#                       /tmp, removed at the end)
#     --vnc-port N      the screen, served on this port (default 5900)
#     --time-scale S    OSTREL_TIME_SCALE for the program (0 < S <= 1): its
#                       seconds-long timers run S times as long
# The program's screen is served over VNC (the frame-buffer platform family
# of the camera's linuxfb); keys and touches come in the same way. Qt's vnc
# server ends its program on a malformed viewer: it listens in a network of
# the rig's own (loopback only), and vnc-forwarder serves the port outside,
# passing on only well-formed client messages. Every
# program it starts from /bin, /sbin and /works is a stand-in that records
# its arguments in the root's /rig/commands.log. The program is root only in
# a user namespace of its own (an unprivileged id outside), with no
# capabilities and no_new_privs: the read-only binds, /proc/sys, the rig's
# logs in the root's /rig folder and the machine's terminals are out of its
# reach.
# Nothing is mounted outside the namespace: when the program, or this
# script, ends, everything in it ends and its mounts go with it.
# TERM, INT or HUP, or the end of the process that started the script, stop
# the rig: every process it started ends, the VNC port closes, and the root
# goes (with --root, what the rig made in it; the folder itself stays).
# Exit status: the program's; 2 for wrong options or a build without the
# rig's programs; 77 where the rig cannot run (no root, no /dev/fuse);
# 128 + the signal when stopped (129 when its parent ended).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

program=""
emulator=""
build=$here/build
root=""
vnc_port=5900
time_scale=1
inside=""
while [ $# -gt 0 ]; do
    case "$1" in
        --program) program=$2; shift 2 ;;
        --emulator) emulator=$2; shift 2 ;;
        --build) build=$2; shift 2 ;;
        --root) root=$2; shift 2 ;;
        --vnc-port) vnc_port=$2; shift 2 ;;
        --time-scale) time_scale=$2; shift 2 ;;
        --inside) inside=1; shift ;;
        --) shift; break ;;
        *) echo "$0: unknown option $1" >&2; exit 2 ;;
    esac
done
# A clone that was never built has neither folder: -m, so that the check
# below says what is missing.
build=$(realpath -m "$build")
program=$(realpath -m "${program:-$build/bin/ostrel}")

# ---- stopping the rig from outside its namespaces
# Sets state and ppid from the process's /proc entry, and started_at (its
# start time, against a reused number); all empty when it is gone.
process_state() { # pid
    local line fields
    state="" ppid="" started_at=""
    read -r line 2>/dev/null <"/proc/$1/stat" || return 0
    read -r -a fields <<<"${line##*) }"
    state=${fields[0]} ppid=${fields[1]} started_at=${fields[19]}
}
# Sets processes to "pid:start" of the process and everything under it.
rig_processes() { # pid
    local entry line fields pid queue next child
    local -A children=()
    for entry in /proc/[0-9]*/stat; do
        read -r line 2>/dev/null <"$entry" || continue
        read -r -a fields <<<"${line##*) }"
        pid=${entry#/proc/}
        children[${fields[1]}]+=" ${pid%/stat}"
    done
    processes="" queue=$1
    while [ -n "$queue" ]; do
        next=""
        for pid in $queue; do
            process_state "$pid"
            [ -z "$state" ] || processes+=" $pid:$started_at"
            for child in ${children[$pid]-}; do next+=" $child"; done
        done
        queue=$next
    done
}
# Waits, in tenths of a second, until none of the processes runs.
processes_ended() { # tenths, pid:start...
    local tenths=$1 entry
    shift
    for _ in $(seq "$tenths"); do
        local running=""
        for entry in "$@"; do
            process_state "${entry%%:*}"
            if [ -n "$state" ] && [ "$state" != Z ] && [ "$started_at" = "${entry#*:}" ]; then running=1; fi
        done
        [ -n "$running" ] || return 0
        sleep 0.1
    done
    return 1
}
# Removes the temporary root, or what the rig made in a given one; never
# while anything is mounted there (the namespace's mounts are its own).
remove_made() {
    local target=${temporary:-$made} point
    [ -n "$target" ] || return 0
    while read -r _ _ _ _ point _; do
        case "$point" in "$target" | "$target"/*)
            echo "$0: $point is mounted: $target stays" >&2
            return 0 ;;
        esac
    done </proc/self/mountinfo
    if [ -n "$temporary" ]; then
        rm -rf --one-file-system "$temporary" || true
    else
        find "$made" -mindepth 1 -maxdepth 1 -exec rm -rf --one-file-system {} + || true
    fi
}
# Kills the forwarder: its child unshare dies with it, the namespace's first
# process with unshare, and everything in the namespace with that.
stop_rig() { # exit status
    trap '' TERM INT HUP
    local target=$chain
    # Stopped between starting it and noting its number.
    [ -n "$target" ] || [ "${!:-}" = "${started-}" ] || target=$!
    if [ -n "$target" ]; then
        rig_processes "$target"
        kill -KILL "$target" 2>/dev/null || true
        wait "$target" 2>/dev/null || true
        # shellcheck disable=SC2086
        if ! processes_ended 100 $processes; then
            echo "$0: the rig's processes did not end: ${temporary:-$made} stays" >&2
            exit "$1"
        fi
    fi
    remove_made
    exit "$1"
}

if [ -z "$inside" ]; then
    for tool in "$build/bin/device-rig" "$build/bin/rig-exec" "$build/bin/encoder-sim" "$build/bin/vnc-forwarder" \
                "$program"; do
        [ -x "$tool" ] || { echo "$0: $tool is not built (build first, or name the build with --build)" >&2; exit 2; }
    done
    [ "$(id -u)" -eq 0 ] || { echo "$0: the rig needs root (namespaces, mounts, FUSE)" >&2; exit 77; }
    [ -c /dev/fuse ] || { echo "$0: /dev/fuse is missing" >&2; exit 77; }
    temporary=""
    made=""
    chain=""
    trap 'stop_rig 143' TERM
    trap 'stop_rig 130' INT
    trap 'stop_rig 129' HUP
    if [ -z "$root" ]; then
        root=$(mktemp -d "${TMPDIR:-/tmp}/device-rig.XXXXXX")
        temporary=$root
    fi
    root=$(realpath "$root")
    [ "$root" != "/" ] && [ -d "$root" ] || { echo "$0: $root is no folder for a rig root" >&2; exit 2; }
    [ -z "$(ls -A "$root")" ] || { echo "$0: $root is not empty" >&2; exit 2; }
    # Empty until now: whatever stands in it from here on is the rig's.
    made=$root
    if [ -n "$emulator" ]; then
        # PATH inside the rig names only the stand-ins.
        read -r first rest <<<"$emulator"
        first=$(command -v "$first") || { echo "$0: no emulator ${emulator%% *}" >&2; exit 2; }
        emulator="$first${rest:+ $rest}"
    fi
    args=(--program "$program" --build "$build" --root "$root" --vnc-port "$vnc_port" --time-scale "$time_scale" --inside)
    [ -z "$emulator" ] || args+=(--emulator "$emulator")
    # The namespace's first process is this script again; when unshare is
    # ended, that process is killed, and with it everything in the rig.
    # vnc-forwarder opens the port here, makes the rig's network and starts
    # unshare in it; unshare dies with it.
    namespaces=("$build/bin/vnc-forwarder" --port "$vnc_port" --own-network --
                unshare --mount --propagation private --pid --ipc --fork --mount-proc --kill-child)
    # This script stays the rig's parent so that it can stop it. The
    # forwarder dies with it even when it is killed outright, and so
    # everything after; a job started in the background would ignore INT and
    # QUIT, which the rig's programs keep as they were given.
    started=${!:-}
    setpriv --pdeathsig KILL -- env --default-signal=INT,QUIT \
        "${namespaces[@]}" bash "$0" "${args[@]}" -- "$@" &
    chain=$!
    parent=$PPID
    exec {pause}<> <(:)
    while :; do
        process_state "$chain"
        case "$state" in '' | Z) break ;; esac
        # Started by a process that ended: nobody is left to stop the rig.
        process_state $$
        [ "$ppid" = "$parent" ] || stop_rig 129
        read -r -t 0.2 -u "$pause" _ || true
    done
    # The rig has ended by itself: nothing is left to stop.
    trap '' TERM INT HUP
    status=0
    wait "$chain" || status=$?
    chain=""
    # Only plain files are left here: the mounts were the namespace's.
    [ -z "$temporary" ] || rm -rf --one-file-system "$temporary"
    exit $status
fi

# ---- inside the namespaces; the host's folders are only ever bound read-only
log() { echo "device-rig.sh: $*" >&2; }
bind_ro() { # host path, path in the root
    mkdir -p "$root$2"
    mount --bind -o ro "$1" "$root$2"
}
bind_node() {
    : >"$root/dev/$1"
    mount --bind "/dev/$1" "$root/dev/$1"
}

mkdir -p "$root"/{usr,etc,dev/pts,dev/shm,proc,tmp,media/mmc,works/shell,root,bin,rig}
chmod 1777 "$root/tmp"
# The program's id outside its user namespace: no file of this machine's
# is its own. Its root is entered from inside, so it must be searchable.
jail=100999
chmod 755 "$root"
bind_ro /usr /usr
for l in lib lib32 lib64; do
    if [ -L "/$l" ]; then ln -s "$(readlink "/$l")" "$root/$l"; fi
done
ln -s bin "$root/sbin"
for f in passwd group nsswitch.conf ld.so.cache localtime; do
    if [ -e "/etc/$f" ]; then cp -L "/etc/$f" "$root/etc/$f"; fi
done
bind_ro /etc/fonts /etc/fonts
bind_ro "$build" "$build"
program_dir=$(dirname "$program")
case "$program_dir" in "$build"/*) ;; *) bind_ro "$program_dir/.." "$(dirname "$program_dir")" ;; esac
if [ -n "$emulator" ]; then
    # qemu's -L takes any path that exists under the sysroot from there, so
    # "/etc/…" would be the sysroot's: the prefix the program gets holds
    # only the sysroot's libraries.
    words=()
    previous=""
    for word in $emulator; do
        if [ "$previous" = "-L" ] && [ -d "$word" ]; then
            sysroot=$(realpath "$word")
            bind_ro "$sysroot" "$sysroot"
            mkdir -p "$root/rig/emulator-prefix"
            for part in lib usr; do
                if [ -e "$sysroot/$part" ]; then ln -s "$sysroot/$part" "$root/rig/emulator-prefix/$part"; fi
            done
            word=/rig/emulator-prefix
        fi
        words+=("$word")
        previous=$word
    done
    emulator="${words[*]}"
fi
mount -t proc proc "$root/proc"
mount --bind -o ro "$root/proc/sys" "$root/proc/sys"
mount -t tmpfs -o size=64m tmpfs "$root/dev/shm"
# Terminals of the rig's own (the core's among them), none of this machine's.
mount -t devpts -o newinstance,ptmxmode=0666,mode=0666 devpts /dev/pts
mount --bind /dev/pts "$root/dev/pts"
for node in null zero random urandom tty; do bind_node "$node"; done
# The clock chip is a character device to the program; device-rig answers
# its requests (rig-exec), the null device stands for it.
: >"$root/dev/X12026"
mount --bind /dev/null "$root/dev/X12026"
ln -s pts/ptmx "$root/dev/ptmx"

# The camera's stored files, as the simulator root holds them.
cp -r "$here/resources/defaults/etc/." "$root/etc/"
cp -r "$here/resources/defaults/Parameter" "$root/"
mkdir -p "$root/language"
cp "$build"/language/*.qm "$root/language/" 2>/dev/null || true
# encoder-sim serves only a root marked as made for it.
: >"$root/.ostrel-sim-root"

# Stand-ins: each records its name and arguments, one line a call.
standin() { # path in the root, output
    cat >"$root$1" <<EOF
#!/bin/sh
echo "\${0##*/} \$*" >>/rig/commands.pipe
${2:+echo "$2"}
exit 0
EOF
    chmod 755 "$root$1"
}
for p in mount umount insmod rmmod reboot poweroff halt killall hwclock date sync rm cp mv mkdir \
         sleep ifconfig udhcpc fbset; do
    standin "/bin/$p"
done
standin /bin/uname "2.6.32-rig"
ln -s /usr/bin/dash "$root/bin/sh"
for p in renovo renovo.sh vyx_init.sh shell/mount-sd.sh; do standin "/works/$p"; done
: >"$root/rig/commands.log"
# The stand-ins run as the program does, which may not write the rig's logs:
# they write a pipe, and the rig appends what comes through to the log.
mkfifo -m 622 "$root/rig/commands.pipe"
cat <>"$root/rig/commands.pipe" >>"$root/rig/commands.log" &
# What the program writes is its own; the encoder service's pipes and the
# card's files are open to it (encoder-sim below), its log is not.
chown -R -h "$jail:$jail" "$root"/{Parameter,language,media/mmc,root}
find "$root/etc" -path "$root/etc/fonts" -prune -o -exec chown -h "$jail:$jail" {} +
: >"$root/tmp/encoder-sim.log"

# The program sends encoder-sim the card's paths as it sees them ("/media/
# mmc/…"); encoder-sim, outside the rig's root, resolves them in the root it
# serves and writes nowhere else. Never a mount that could reach the
# machine's own tree.
if [ "$(findmnt -n -o PROPAGATION /)" != "private" ]; then
    log "the namespace's mounts are not private"
    exit 3
fi

rig_pid=""
encoder_pid=""
finish() {
    for pid in $encoder_pid $rig_pid; do kill -TERM "$pid" 2>/dev/null || true; done
    for _ in $(seq 20); do
        alive=""
        for pid in $encoder_pid $rig_pid; do kill -0 "$pid" 2>/dev/null && alive=1; done
        [ -n "$alive" ] || break
        sleep 0.1
    done
    for pid in $encoder_pid $rig_pid; do kill -KILL "$pid" 2>/dev/null || true; done
}
trap finish EXIT

wait_for() { # test, what, tenths of a second
    for _ in $(seq "$3"); do
        eval "$1" && return 0
        sleep 0.1
    done
    log "$2 did not come up"
    return 1
}
"$build/bin/device-rig" "$root" >"$root/rig/device-rig.log" 2>&1 &
rig_pid=$!
wait_for '[ -e "$root/rig/ready" ]' "device-rig" 50 || exit 3
# The program hands its requests over and reads the detect pipes.
chmod 666 "$root/rig/requests.sock" "$root"/dev/DM365-*DETECT
(umask 0; OSTREL_TIME_SCALE="$time_scale" exec "$build/bin/encoder-sim" "$root" --device-keys) >"$root/rig/encoder-sim.log" 2>&1 &
encoder_pid=$!
wait_for '[ -p "$root/tmp/service_ir" ]' "encoder-sim" 50 || exit 3

status=0
# The vnc server's port is the rig network's: only vnc-forwarder reaches it.
# The jail: the unprivileged id, root in a user namespace of its own made
# by it (so the namespace owns no mount: binds cannot be remounted), the
# root entered from its own folder, then every capability dropped.
(cd "$root" && exec setpriv --reuid=$jail --regid=$jail --clear-groups -- \
    unshare --user --map-root-user --root=. --wd=/ -- \
    /usr/bin/setpriv --no-new-privs --bounding-set -all --inh-caps -all -- \
    /usr/bin/env -i PATH=/bin:/sbin HOME=/root LANG=C.UTF-8 \
    QT_QPA_PLATFORM="vnc:size=320x240:port=$vnc_port" QT_QPA_FB_FORCE_FULLSCREEN=0 QT_FONT_DPI=72 \
    OSTREL_TIME_SCALE="$time_scale" \
    "$build/bin/rig-exec" /rig/requests.sock $emulator "$program" "$@") || status=$?
echo "$status" >"$root/rig/exit-code"
exit $status
