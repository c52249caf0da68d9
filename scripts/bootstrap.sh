#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root or through sudo), then configures and builds
# Quelta into build/ (or the folder given as the first argument, with extra CMake options after).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libqt6sql6-odbc unixodbc unixodbc-dev
          libsqliteodbc sqlite3 odbc-postgresql postgresql libgtest-dev libbenchmark-dev locales
          xvfb xauth parallel fonts-liberation python3)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# The tests check that numbers keep a decimal point under a comma locale; make one available.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8"
fi

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir"
