#!/usr/bin/env bash
# Installs the Debian packages the designer needs to build and test, when missing.
set -euo pipefail

packages=(g++ make cmake ninja-build qt6-base-dev fonts-dejavu-core libgtest-dev libgmock-dev
          libbenchmark-dev clang-14 libclang-rt-14-dev lld locales)
# The cutting plan's linear programs.
packages+=(pkg-config coinor-libclp-dev)
# The job files' JSON.
packages+=(nlohmann-json3-dev)
# pdftotext reads the drawings' PDF back in the tests.
packages+=(poppler-utils)
# The piece labels' Code 128 barcodes (libzint), and zbarimg, which reads them back in the tests.
packages+=(libzint-dev zbar-tools)
# The icon rendering, the validators of the installed desktop files and the Debian packaging.
packages+=(librsvg2-bin desktop-file-utils appstream shared-mime-info xdg-utils libxml2-utils dpkg-dev
           file)
# The manual pages (scdoc), the translations (lupdate and lrelease, their CMake functions in
# qt6-tools-dev) and Qt's own translations.
packages+=(scdoc qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# scripts/check-package.sh checks the package with lintian, starts the installed designer on a
# virtual screen, looks for its window and takes a screenshot.
if [ "${1:-}" = "--with-package-check" ]; then
  packages+=(lintian xvfb xdotool imagemagick man-db)
fi
# scripts/take-screenshots.sh shows the designer in each language under a window manager.
if [ "${1:-}" = "--with-screenshots" ]; then
  packages+=(xvfb xdotool imagemagick openbox)
fi

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
