#!/usr/bin/env bash
# Installs the Debian packages the game needs (and, with --test, what the tests
# need). Idempotent: packages already installed are skipped.
set -euo pipefail

packages=(build-essential cmake pkg-config
  libsdl2-dev libsdl2-image-dev libepoxy-dev libglm-dev libimgui-dev libstb-dev libopenal-dev libsndfile1-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core libx11-dev libxext-dev)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool imagemagick sox mesa-utils strace time
    clang libclang-rt-14-dev desktop-file-utils appstream openbox x11-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  echo "deps: all ${#packages[@]} packages present"
  exit 0
fi
echo "deps: installing ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
