#!/usr/bin/env bash
# Installs the Debian packages the build, tests and tools need; a quick no-op when all are there.
set -euo pipefail
pkgs=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
      libbenchmark-dev fontconfig fonts-dejavu-core fonts-liberation2 xauth xvfb poppler-utils)
if [ "${1:-}" = "--fuzz" ]; then pkgs+=(clang-14 libclang-rt-14-dev); fi
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
