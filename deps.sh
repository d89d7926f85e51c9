#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this machine lacks.
set -euo pipefail
# dpkg-dev and file: the package's dependencies (dpkg-shlibdeps); desktop-file-utils and
# groff-base: the checks of the installed menu entries and man pages. locales: the French locale
# the whole suite runs under a second time.
packages=(g++ cmake ninja-build qt6-base-dev qt6-translations-l10n libgl-dev libisal-dev qt6-tools-dev qt6-l10n-tools zlib1g-dev
          libinsighttoolkit5-dev qt6-charts-dev
          libqt6opengl6-dev time bsdutils dpkg-dev file desktop-file-utils groff-base locales)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Paquets manquants (lancer en root) : ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# The tests' second run reads every number under a locale whose decimal mark is a comma.
if ! locale -a | grep -qix 'fr_FR.utf-\?8'; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Locale fr_FR.UTF-8 manquante (lancer en root)" >&2
        exit 1
    fi
    localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi
