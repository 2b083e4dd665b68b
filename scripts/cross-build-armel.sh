#!/usr/bin/env bash
# Builds the whole tree for the camera's processor (Debian armel, ARMv5TE)
# into build-armel/. The machine's own packages stay as they are: the armel
# Qt and everything it links against are downloaded by a private apt
# configuration (its own lists, status and cache under build-armel/apt) and
# unpacked into build-armel/sysroot. Only the cross compiler and qemu-user
# come from the machine's normal install.
#
#   scripts/cross-build-armel.sh            everything, tests included
#   scripts/cross-build-armel.sh --product  only the programs (ostrel,
#     renovo, encoder-sim) and the libraries they link, no test programs:
#     CI's check that the tree still builds for the camera
set -euo pipefail
cd "$(dirname "$0")/.."
product=false
case "${1-}" in
  --product) product=true ;;
  "") ;;
  *) echo "usage: $0 [--product]" >&2; exit 2 ;;
esac
source_dir=$PWD
build_dir=$source_dir/build-armel   # the "armel" preset's folder
sysroot=$build_dir/sysroot
aptroot=$build_dir/apt
jobs=${OSTREL_ARMEL_JOBS:-$(nproc)}

# The host's build tools and Qt (moc, rcc, uic and the svg renderer run
# during the build), the cross compiler, and qemu-user for the tests.
host_packages=(g++-arm-linux-gnueabi)
$product || host_packages+=(qemu-user)
bash scripts/install-deps.sh "${host_packages[@]}"

# What the target build links against, and the fonts the screens name (the
# tests under emulation see the sysroot's fonts); apt adds the dependencies.
target_packages=(libc6-dev libstdc++-12-dev qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libffmpegthumbnailer-dev fonts-unifont fonts-wqy-zenhei)

# Fetched again only when the list changes. Unpacking keeps the packages'
# file times, so a new fetch does not make the build out of date.
if [ "$(cat "$sysroot/.complete" 2>/dev/null)" != "${target_packages[*]}" ]; then
  echo "Fetching the armel sysroot into $sysroot"
  fetch_start=$(date +%s)
  rm -rf "$sysroot" "$aptroot"
  mkdir -p "$aptroot"/{lists/partial,archives/partial} "$sysroot"
  : > "$aptroot/status"
  # The host's sources, keys and settings; lists, cache and package database
  # of its own: nothing of the machine's apt or dpkg state is written.
  apt_opts=(
    -o APT::Architecture=armel -o APT::Architectures=armel
    -o Dir::State="$aptroot" -o Dir::State::Lists="$aptroot/lists" -o Dir::State::status="$aptroot/status"
    -o Dir::Cache="$aptroot" -o Dir::Cache::archives="$aptroot/archives"
    -o Debug::NoLocking=1 -o APT::Install-Recommends=false -o APT::Get::Assume-Yes=true
    -o Acquire::Retries=3
  )
  fetch_failed() {
    echo "Could not download the armel packages from the host's Debian mirrors (apt's" \
      "messages above say why): is the network up? Nothing is built." >&2
    exit 1
  }
  apt-get "${apt_opts[@]}" update -qq --error-on=any || fetch_failed
  apt-get "${apt_opts[@]}" install --download-only -qq "${target_packages[@]}" || fetch_failed
  for deb in "$aptroot"/archives/*.deb; do
    dpkg-deb -x "$deb" "$sysroot"
  done
  # Absolute links point into the host; make them point inside the sysroot.
  find "$sysroot" -type l -lname '/*' | while read -r link; do
    ln -sfn "$(realpath -m --relative-to="$(dirname "$link")" "$sysroot$(readlink "$link")")" "$link"
  done
  echo "${target_packages[*]}" > "$sysroot/.complete"
  echo "armel sysroot fetched in $(( $(date +%s) - fetch_start )) s:" \
    "$(du -sh "$aptroot/archives" | cut -f1) of packages, $(du -sh "$sysroot" | cut -f1) unpacked"
fi

# Debian puts BLAS and LAPACK (the video decoder's speech library needs them)
# behind update-alternatives, whose links a maintainer script makes: make
# them here, where no script runs.
for lib in "$sysroot"/usr/lib/arm-linux-gnueabi/{blas,lapack}/lib*.so.3; do
  [ -e "$lib" ] || continue
  link=$sysroot/usr/lib/arm-linux-gnueabi/$(basename "$lib")
  [ -e "$link" ] || ln -s "$(basename "$(dirname "$lib")")/$(basename "$lib")" "$link"
done

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake --preset armel
fi
# The product's programs pull in, through their links and dependencies, the
# libraries, the thumbnailer, the translations and the rendered pictures.
targets=()
what="armel build"
if $product; then
  targets=(--target ostrel renovo encoder-sim)
  what="armel product build (no tests)"
fi
start=$(date +%s)
cmake --build "$build_dir" -j"$jobs" "${targets[@]}"
echo "$what done in $(( $(date +%s) - start )) s: $build_dir/bin"
