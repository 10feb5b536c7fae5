#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing. Quiet when everything is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  clang libclang-rt-dev clang-tidy clang-format
  qt6-base-dev qt6-pdf-dev qt6-qpa-plugins qt6-image-formats-plugins qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  # the install check: the desktop, metainfo and MIME validators; cpack's
  # dependency lookup (dpkg-shlibdeps, file)
  desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=sudo
  else
    echo "bootstrap: these packages are missing and this is not root: ${missing[*]}" >&2
    exit 1
  fi
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { $SUDO apt-get update -qq && $SUDO apt-get install -y -qq "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "bootstrap: installing the packages failed" >&2
  exit 1
fi
