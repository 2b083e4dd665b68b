#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and the
# packages named as arguments. Does nothing when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config lld
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev qt6-l10n-tools libgl-dev
  fonts-unifont fonts-wqy-zenhei
  libbenchmark-dev
  libavformat-dev libavcodec-dev libswscale-dev libffmpegthumbnailer-dev mpv
  libfuse3-dev
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
