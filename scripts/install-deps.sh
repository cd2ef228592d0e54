#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing, with sudo when
# not run as root. Does nothing when everything is there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t wanted < <(grep -v '^\s*#' "$here/debian-packages.txt" | sed '/^\s*$/d')
missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
# Locales the tests switch to; generated once.
need_locales=0
for loc in en_US.UTF-8 de_DE.UTF-8; do
    locale -a 2>/dev/null | grep -qi "^${loc%%.*}\.utf-\?8$" || need_locales=1
done
[ ${#missing[@]} -eq 0 ] && [ $need_locales -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ $need_locales -eq 1 ]; then
    for loc in en_US de_DE; do
        grep -q "^# *${loc}.UTF-8" /etc/locale.gen 2>/dev/null &&
            "${sudo[@]}" sed -i "s/^# *\(${loc}.UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${loc}.UTF-8" /etc/locale.gen 2>/dev/null ||
            echo "${loc}.UTF-8 UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    done
    "${sudo[@]}" locale-gen >/dev/null
fi
