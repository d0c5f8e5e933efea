#!/usr/bin/env bash
# Installs the Debian packages the designer needs to build and test, when missing.
set -euo pipefail

packages=(g++ make cmake ninja-build qt6-base-dev fonts-dejavu-core libgtest-dev libgmock-dev
          libbenchmark-dev clang-14 libclang-rt-14-dev locales nlohmann-json3-dev)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages. Run as root:"
    echo "  apt-get install -y --no-install-recommends ${missing[*]}"
    exit 1
  fi
fi

# The number formats are tested under a German locale; generate it when missing.
if [ "${1:-}" = "--with-test-locale" ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
  else
    echo "The locale de_DE.UTF-8 is missing. Run as root: localedef -i de_DE -f UTF-8 de_DE.UTF-8"
    exit 1
  fi
fi
