#!/usr/bin/env bash
# Installs what the builds, the tests and the demo need, on a fresh Debian machine. Installs only what is
# missing, so a second run costs nothing.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in g++ cmake make libgtest-dev googletest g++-mingw-w64-x86-64-posix \
           gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 xvfb xauth x11-apps \
           imagemagick xdotool openssl libbenchmark-dev nlohmann-json3-dev wixl msitools osslsigncode icoutils \
           chromium; do
    have_pkg "$pkg" || need+=("$pkg")
done
# npm may come with a Node.js of another origin; only a machine without it needs Debian's.
command -v npm >/dev/null 2>&1 || need+=(npm)

if [ ${#need[@]} -gt 0 ]; then
    echo "install-deps: installing ${need[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}" >/dev/null
fi
