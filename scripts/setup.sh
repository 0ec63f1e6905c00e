#!/usr/bin/env bash
# Installs what building and running os2setup needs on Debian, when it is missing.
# Sourced by the other scripts; safe to run again and again.
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (menus, standard buttons) in Norwegian and German.
# qt6-base-private-dev: the keyboard test switches on Qt's accessibility offscreen.
# qt6-l10n-tools (lupdate, lrelease) and qt6-tools-dev (their CMake package,
# Qt6LinguistTools): the translations. desktop-file-utils and appstream: the
# menu entry's and the AppStream file's checks.
OS2SETUP_PACKAGES=(g++ make cmake qt6-base-dev qt6-base-private-dev qt6-translations-l10n fonts-liberation2
  qt6-l10n-tools qt6-tools-dev desktop-file-utils appstream)
# The Debian package's dependencies and checks (dpkg-shlibdeps, lintian), and the
# tests' fake UDisks2 on a private D-Bus bus.
OS2SETUP_PACKAGES+=(dpkg-dev lintian python3-dbusmock dbus-daemon)
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
  missing=${missing% }
  [ -z "$missing" ] && return 0
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      sudo="sudo"
    else
      # Nothing can be installed from here: say what to run, and stop.
      echo "os2setup: these Debian packages are missing: $missing" >&2
      echo "os2setup: install them as root, then run this command again:" >&2
      if command -v sudo >/dev/null 2>&1; then
        echo "    sudo apt-get update && sudo apt-get install -y $missing" >&2
      else
        echo "    su -c 'apt-get update && apt-get install -y $missing'" >&2
      fi
      exit 1
    fi
  fi
  echo "os2setup: installing $missing"
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
