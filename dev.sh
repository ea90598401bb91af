#!/usr/bin/env bash
# Set up, build and run Kinvora on Debian 12.
#   ./dev.sh run      install what is missing, build, start kinvora
#   ./dev.sh test     install what is missing, build, run every test with CTest, then again
#                     under ASan, LSan and UBSan (build-asan/); under CI also fuzz each reader 60 s
#   ./dev.sh asan     only the sanitizer build and its tests
#   ./dev.sh tsan     the tests under ThreadSanitizer (build-tsan/)
#   ./dev.sh bench    build and run the benchmarks
#   ./dev.sh fuzz [seconds]  build the fuzz targets with clang and run each over its corpus
#   ./dev.sh package  install what is missing, build, write build/kinvora_<version>_<arch>.deb
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$here/build"
build_asan="$here/build-asan"
build_fuzz="$here/build-fuzz"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libexpat1-dev libgtest-dev
          libgmock-dev libbenchmark-dev xvfb xauth xdotool imagemagick clang libclang-rt-14-dev
          desktop-file-utils appstream dpkg-dev x11-utils locales poppler-utils shared-mime-info
          xdg-utils libglib2.0-bin qt6-translations-l10n)

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

# The tests read and write numbers under a locale with a decimal comma, as French users run.
generate_locale() {
    locale -a 2>/dev/null | grep -qix 'fr_FR.utf8' && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Generating the fr_FR.UTF-8 locale"
    "${sudo[@]}" localedef -i fr_FR -c -f UTF-8 fr_FR.UTF-8
}

configure() {
    local options=(-DCMAKE_BUILD_TYPE=Release "$@")
    [ -n "${CI:-}" ] && options+=(-DKINVORA_WERROR=ON)
    cmake -S "$here" -B "$build" "${options[@]}"
}

build_all() {
    cmake --build "$build" -j"$jobs"
}

# The same tests under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer:
# any report fails the run.
test_sanitized() {
    local options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINVORA_SANITIZE=ON)
    [ -n "${CI:-}" ] && options+=(-DKINVORA_WERROR=ON)
    cmake -S "$here" -B "$build_asan" "${options[@]}"
    cmake --build "$build_asan" -j"$jobs"
    (
        cd "$build_asan"
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
        export LSAN_OPTIONS="suppressions=$here/tools/lsan.supp:print_suppressions=0"
        export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
        ctest --output-on-failure -j"$jobs"
    )
}

# The tests under ThreadSanitizer (build-tsan/). Qt is not instrumented: the suppressions
# keep its own library calls out of the reports. Killing a writer child needs full speed, and
# the install tests need no threads: they are left out.
test_threads() {
    local options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINVORA_TSAN=ON)
    [ -n "${CI:-}" ] && options+=(-DKINVORA_WERROR=ON)
    cmake -S "$here" -B "$here/build-tsan" "${options[@]}"
    cmake --build "$here/build-tsan" -j"$jobs"
    (
        cd "$here/build-tsan"
        export TSAN_OPTIONS="suppressions=$here/tools/tsan.supp:halt_on_error=1:second_deadlock_stack=1"
        ctest --output-on-failure -j"$jobs" -E AtomicAutosave -LE "e2e|install"
    )
}

fuzz() {
    local seconds="${1:-60}"
    local options=()
    [ -n "${CI:-}" ] && options+=(-DKINVORA_WERROR=ON)
    cmake -S "$here/fuzz" -B "$build_fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        "${options[@]}"
    cmake --build "$build_fuzz" -j"$jobs"
    local target
    for target in fuzz_xml fuzz_text fuzz_document fuzz_gedcom; do
        local corpus="$build_fuzz/corpus/$target"
        local log="$build_fuzz/$target.log"
        mkdir -p "$corpus" "$build_fuzz/artifacts/$target"
        echo "Fuzzing $target for $seconds s (log: $log)"
        # New inputs go to the build folder; the seeds in the tree stay as written. The
        # readers print conversion errors for most inputs, so the log is kept aside.
        if ! "$build_fuzz/$target" "$corpus" "$here/fuzz/corpus/$target" \
            -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$build_fuzz/artifacts/$target/" >"$log" 2>&1; then
            grep -v "mbstowcs error" "$log" | tail -60
            echo "$target found a fault; the input is in $build_fuzz/artifacts/$target/" >&2
            return 1
        fi
        grep -E "^Done|number_of_executed_units" "$log"
    done
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
    generate_locale
    configure
    build_all
    (cd "$build" && ctest --output-on-failure -j"$jobs")
    test_sanitized
    if [ -n "${CI:-}" ]; then fuzz 60; fi
    ;;
asan)
    install_missing
    generate_locale
    test_sanitized
    ;;
tsan)
    install_missing
    generate_locale
    test_threads
    ;;
bench)
    install_missing
    configure -DKINVORA_BUILD_BENCH=ON
    build_all
    for benchmark in "$build"/bench/bench_*; do
        [ -x "$benchmark" ] && "$benchmark" --benchmark_counters_tabular=true
    done
    ;;
fuzz)
    install_missing
    fuzz "${2:-60}"
    ;;
package)
    install_missing
    configure
    build_all
    (cd "$build" && cpack -G DEB)
    ls "$build"/kinvora_*.deb
    ;;
*)
    echo "usage: $0 run|test|asan|tsan|bench|fuzz [seconds]|package" >&2
    exit 2
    ;;
esac
