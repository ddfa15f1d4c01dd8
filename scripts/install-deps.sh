#!/usr/bin/env bash
# Installs every Debian package the project needs, named in scripts/packages/*.txt (one package a
# line, '#' starts a comment). Idempotent and quiet: when everything is present it prints nothing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

wanted=$(sed -e 's/#.*//' "$here"/packages/*.txt | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)

missing=()
for pkg in $wanted; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
fi

if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" > /tmp/talvion-apt.log 2>&1 \
    || { tail -n 30 /tmp/talvion-apt.log >&2; exit 1; }
