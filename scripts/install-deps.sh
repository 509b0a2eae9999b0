#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine: the i686
# mingw-w64 cross toolchain (win32 threads, nothing that Windows XP lacks),
# 32-bit Wine, Xvfb, a Japanese locale and font, CMake and doctest, and
# ImageMagick for the dialog screenshot (make screenshot).
# Idempotent: quiet when everything is already there.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine32:i386
  xvfb xauth x11-utils xdotool imagemagick
  locales fonts-ipafont-gothic
  cmake make doctest-dev
  libcap2-bin util-linux
  nsis wixl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
arch_missing=0
dpkg --print-foreign-architectures | grep -qx i386 || arch_missing=1
locale_missing=0
locale -a 2>/dev/null | grep -qix 'ja_JP.utf8' || locale_missing=1

if [ ${#missing[@]} -eq 0 ] && [ $arch_missing -eq 0 ] && [ $locale_missing -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing build and test requirements. As root, run:" >&2
  [ $arch_missing -eq 1 ] && echo "  dpkg --add-architecture i386 && apt-get update" >&2
  [ ${#missing[@]} -gt 0 ] && echo "  apt-get install -y ${missing[*]}" >&2
  [ $locale_missing -eq 1 ] && echo "  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen && locale-gen" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if [ $arch_missing -eq 1 ]; then
  dpkg --add-architecture i386
fi
if [ ${#missing[@]} -gt 0 ] || [ $arch_missing -eq 1 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null \
    || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
