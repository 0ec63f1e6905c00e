#!/usr/bin/env bash
# Installs what building and running os2setup needs on Debian, when it is missing.
# Sourced by the other scripts; safe to run again and again.
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (menus, standard buttons) in Norwegian.
OS2SETUP_PACKAGES=(g++ make cmake qt6-base-dev qt6-translations-l10n fonts-liberation2 desktop-file-utils appstream)
# clang and its libFuzzer runtime: the fuzz targets under tests/fuzz.
OS2SETUP_PACKAGES+=(clang libclang-rt-14-dev)

os2setup_missing_packages() {
  local p
  for p in "${OS2SETUP_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      printf '%s\n' "$p"
    fi
  done
}

os2setup_install() {
  local missing
  missing=$(os2setup_missing_packages | tr '\n' ' ')
  [ -z "${missing// }" ] && return 0
  echo "os2setup: installing $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      sudo="sudo"
    else
      echo "os2setup: these Debian packages are missing: $missing" >&2
      echo "os2setup: install them as root, then run this command again:" >&2
      echo "    sudo apt-get update && sudo apt-get install -y $missing" >&2
      exit 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
}

# Configures and builds into $1 with the further CMake arguments given.
os2setup_build() {
  local dir=$1; shift
  cmake -S "$OS2SETUP_ROOT" -B "$OS2SETUP_ROOT/$dir" "$@" >/dev/null
  cmake --build "$OS2SETUP_ROOT/$dir" -j"$(nproc)"
}

OS2SETUP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
os2setup_install
