#!/usr/bin/env bash
# Installs the Debian packages that Halvena needs and that are missing, plus any named as
# arguments. Quiet and quick when everything is there already. Not root and without sudo, it
# prints the one apt-get line to run as root and exits 1.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-image-formats-plugins fonts-liberation2 xvfb xdotool poppler-utils xclip zlib1g-dev
  at-spi2-core dbus-daemon libglib2.0-bin "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "$0: Debian packages are missing; as root, run:" >&2
    echo "apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo=sudo
fi
echo "Installing Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
