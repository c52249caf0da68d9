#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root or through sudo), then configures and builds
# Quelta into build/ (or the folder given as the first argument, with extra CMake options after).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libqt6sql6-odbc unixodbc unixodbc-dev
          libsqliteodbc sqlite3 odbc-postgresql postgresql libgtest-dev libbenchmark-dev locales
          xvfb xauth parallel fonts-liberation python3)
# The Python module, its tests, the example notebook and R's reticulate; their recommended
# packages (a whole R toolchain among them) are not needed.
python_packages=(python3-dev pybind11-dev python3-numpy python3-pytest python3-pandas
                 python3-shapely python3-matplotlib python3-nbconvert python3-ipykernel
                 jupyter-nbconvert r-cran-reticulate)
missing() {
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || echo "$package"
    done
}
mapfile -t missing_packages < <(missing "${packages[@]}")
mapfile -t missing_python < <(missing "${python_packages[@]}")
if [ ${#missing_packages[@]} -gt 0 ] || [ ${#missing_python[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    [ ${#missing_packages[@]} -eq 0 ] ||
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing_packages[@]}"
    [ ${#missing_python[@]} -eq 0 ] ||
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing_python[@]}"
fi

# The tests check that numbers keep a decimal point under a comma locale; make one available.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && [ "$(id -u)" -eq 0 ]; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not generate de_DE.UTF-8"
fi

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir"
