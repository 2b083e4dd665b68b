#!/usr/bin/env bash
# Runs the armel build's test programs under qemu-arm, with the downloaded
# sysroot as their root (the toolchain file makes qemu-arm -L SYSROOT CTest's
# emulator), offscreen. Prints which programs ran and which were left out
# and why. Build first with scripts/cross-build-armel.sh.
# Exit status: 0 when everything ran and passed; 77 (skipped) when it could
# not all run and nothing failed: no armel build or no qemu-arm (nothing
# ran), a product build without test programs (only the device rig's row
# ran), or the device rig's row could not run here (no host tst_devicerig,
# or no root, /dev/fuse or namespaces); anything else is a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
skipped=77
build_dir=$PWD/build-armel
if [ ! -f "$build_dir/CTestTestfile.cmake" ] || [ ! -f "$build_dir/sysroot/.complete" ]; then
  echo "Skipped: no armel build in $build_dir (run scripts/cross-build-armel.sh first)" >&2
  exit $skipped
fi
command -v qemu-arm >/dev/null || { echo "Skipped: qemu-arm is missing (run scripts/cross-build-armel.sh)" >&2; exit $skipped; }

# Programs left out, with the reason.
declare -A left_out=(
  [tst_simroot]="starts the build's own ostrel and encoder-sim, and qemu-arm cannot follow a process into another ARM program (that would need binfmt_misc, a change to this machine)"
  [tst_simsetup]="checks what the build's own encoder-sim logged, a child process qemu-arm cannot follow (binfmt_misc would change this machine)"
  [tst_childprocess]="starts shell-script stubs as child processes, which do not start under qemu-arm user emulation without binfmt_misc"
  [tst_finishpage]="starts the stub update script (see tst_childprocess)"
  [tst_installwizard]="starts the stub update script (see tst_childprocess)"
  [tst_renovolaunch]="starts the build's own renovo as a child process (see tst_simlaunch)"
  [tst_simlaunch]="starts the build's own ostrel and encoder-sim as child processes, which qemu-arm cannot follow (binfmt_misc would change this machine)"
  [tst_simsetuppages]="starts the build's own ostrel with a German setting (see tst_simlaunch)"
  [tst_simphotos]="checks what the build's own encoder-sim logged (see tst_simsetup)"
  [tst_simmenu]="checks what the build's own encoder-sim logged (see tst_simsetup)"
  [tst_simcapture]="records and saves through the build's own encoder-sim (see tst_simsetup)"
  [tst_encoderstate]="runs the build's own encoder-sim (see tst_simsetup)"
  [tst_savekill]="starts and kills the build's own encoder-sim (see tst_simsetup)"
  [tst_simsave]="saves a photo through the build's own encoder-sim (see tst_simsetup)"
  [tst_encodervideo]="records through the build's own encoder-sim (see tst_simsetup)"
  [tst_simphotobrowser]="takes a photo through the build's own encoder-sim (see tst_simsetup)"
  [tst_simircore]="asks the build's own encoder-sim for its version (see tst_simsetup)"
  [tst_startup]="restarts and faults the build's own child programs (see tst_childprocess)"
  [tst_mpvplayer]="plays through an mpv child and records through the build's own encoder-sim (see tst_simsetup)"
  [tst_simvideos]="runs the simulator with the build's own encoder-sim (see tst_simsetup)"
  [tst_simstartup]="saves a photo through the build's own encoder-sim (see tst_simsetup)"
  [tst_catalogues]="starts the host's lupdate as a child process (see tst_childprocess)"
)

mapfile -t all < <(ctest --test-dir "$build_dir" -N | sed -n 's/^ *Test *#[0-9]*: //p')
run=()
for t in "${all[@]}"; do
  [ -n "${left_out[$t]+x}" ] || run+=("$t")
done
exclude=$(IFS='|'; echo "^(${!left_out[*]})\$")

export QT_QPA_PLATFORM=offscreen
# qemu-arm reads a path from the sysroot when it is there, but creates new
# files on the host: the emulated programs' caches would land in the host's
# /var/cache/fontconfig and ~/.cache. Both go to the build folder instead.
cache=$build_dir/emulated-cache
mkdir -p "$cache/fontconfig"
export XDG_CACHE_HOME=$cache
cat > "$cache/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <cachedir>$cache/fontconfig</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
CONF
export FONTCONFIG_FILE=$cache/fonts.conf
start=$(date +%s)
status=0
# A product build (cross-build-armel.sh --product) holds the programs but
# no test program: only the device rig's row can run then.
tests_built=""
if [ "${#run[@]}" -gt 0 ] && [ -x "$build_dir/bin/${run[0]}" ]; then tests_built=1; fi
if [ -n "$tests_built" ]; then
  ctest --test-dir "$build_dir" -j"${OSTREL_ARMEL_JOBS:-$(nproc)}" --output-on-failure -E "$exclude" "$@" || status=$?
else
  echo "The armel build holds no test programs (a product build): run scripts/cross-build-armel.sh without --product for them"
  run=()
fi
# The camera's ostrel in the device rig, to the live view, checked by the
# host build's device test (it ends with 77 where the rig cannot run).
rig_test=$PWD/build/bin/tst_devicerig
rig="not run (the host build has no tst_devicerig)"
if [ -x "$rig_test" ]; then
  rig_status=0
  OSTREL_RIG_ARMEL_BUILD=$build_dir "$rig_test" "startsToTheLiveView:armel build under qemu-arm" || rig_status=$?
  case $rig_status in
    0) rig="ran" ;;
    "$skipped") rig="skipped (it needs root, /dev/fuse and namespaces)" ;;
    *) rig="failed"; status=$rig_status ;;
  esac
fi
echo
echo "Ran under qemu-arm (${#run[@]}): ${run[*]}"
echo "Left out (${#left_out[@]}):"
for t in "${!left_out[@]}"; do
  echo "  $t: ${left_out[$t]}"
done
echo "Device rig with the armel build: $rig"
echo "Emulated test run: $(( $(date +%s) - start )) s"
if [ "$status" -eq 0 ] && [ "$rig" != "ran" ]; then
  echo "Skipped in part: the device rig did not run"
  exit $skipped
fi
if [ "$status" -eq 0 ] && [ -z "$tests_built" ]; then
  echo "Skipped in part: no armel test program was built"
  exit $skipped
fi
exit $status
