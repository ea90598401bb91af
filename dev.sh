#!/usr/bin/env bash
# Set up, build and run Kinvora on Debian 12.
#   ./dev.sh run      install what is missing, build, start kinvora
#   ./dev.sh test     install what is missing, build, run every test with CTest
#   ./dev.sh bench    build and run the benchmarks
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/build"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libexpat1-dev libgtest-dev
          libgmock-dev libbenchmark-dev xvfb xauth xdotool imagemagick clang)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    local interactive=()
    [ -n "${CI:-}" ] && interactive=(env DEBIAN_FRONTEND=noninteractive)
    "${sudo[@]}" "${interactive[@]}" apt-get update -q
    "${sudo[@]}" "${interactive[@]}" apt-get install -y -q "${missing[@]}"
}

configure() {
    local options=(-DCMAKE_BUILD_TYPE=Release "$@")
    [ -n "${CI:-}" ] && options+=(-DKINVORA_WERROR=ON)
    cmake -S "$here" -B "$build" "${options[@]}"
}

build_all() {
    cmake --build "$build" -j"$jobs"
}

case "${1:-}" in
run)
    install_missing
    configure
    build_all
    exec "$build/src/app/kinvora"
    ;;
test)
    install_missing
    configure
    build_all
    cd "$build"
    ctest --output-on-failure -j"$jobs"
    ;;
bench)
    install_missing
    configure -DKINVORA_BUILD_BENCH=ON
    build_all
    for benchmark in "$build"/bench/bench_*; do
        [ -x "$benchmark" ] && "$benchmark" --benchmark_counters_tabular=true
    done
    ;;
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac
