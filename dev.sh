#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Everyday commands: "./dev.sh run" and "./dev.sh test". Each installs the
# Debian packages it misses, configures once and builds incrementally, so a
# second call with nothing changed is quick. .ci/run adds "sanitize",
# "fuzz-smoke" and "format-check"; "soak" runs the window property test at
# length; "bench" runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev qt6-base-dev libxcb-damage0-dev
          desktop-file-utils appstream shared-mime-info dpkg-dev poppler-utils)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
FUZZERS=(parse_measurement format_measurement read_measure_number read_field_number
         read_line_number read_project read_preferences parse_sweep)
FUZZ_SECONDS=${FUZZ_SECONDS:-20}

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# build DIR [cmake options...]: configures DIR once, then builds it.
build() {
    local dir=$1
    shift
    install_missing "${PACKAGES[@]}"
    [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

fuzz_smoke() {
    install_missing "${FUZZ_PACKAGES[@]}"
    CC=clang CXX=clang++ build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCYLINDRA_FUZZ=ON -DBUILD_TESTING=OFF
    local f log
    for f in "${FUZZERS[@]}"; do
        mkdir -p "build-fuzz/corpus/$f"
        log="build-fuzz/fuzz_$f.log"
        echo "fuzz_$f: ${FUZZ_SECONDS} s"
        if ! "./build-fuzz/fuzz/fuzz_$f" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
            "build-fuzz/corpus/$f" "fuzz/corpus/fuzz_$f" >"$log" 2>&1; then
            tail -n 40 "$log"
            exit 1
        fi
        grep -E 'number_of_executed_units' "$log"
    done
}

case "${1:-}" in
run)
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    shift
    exec ./build/app/cylindra "$@"
    ;;
test)
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cd build && ctest --output-on-failure -j2
    ;;
sanitize)
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DCYLINDRA_SANITIZE=ON -DCYLINDRA_BENCH=OFF
    cd build-asan && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2
    ;;
fuzz-smoke)
    fuzz_smoke
    ;;
format-check)
    install_missing clang-format
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    ;;
soak)
    # The window property test at length: many events over several seeds.
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    for seed in 1 2 3 4 5 6 7 8; do
        CYLINDRA_SEED=$seed CYLINDRA_EVENTS=${EVENTS:-25000} QT_QPA_PLATFORM=offscreen \
            ./build/tests/ui/tst_property displayAgreesWithTheRecordAfterEveryEvent | tail -n 2
    done
    ;;
bench)
    build build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    ./build-release/bench/core_bench "${@:2}"
    install_missing xvfb
    # The window timings need a real X server; Xvfb is a quiet one.
    xvfb-run -a -s "-screen 0 1280x1024x24" ./build-release/bench/ui_bench
    ;;
*)
    echo "usage: ./dev.sh run|test|sanitize|fuzz-smoke|format-check|soak|bench" >&2
    exit 2
    ;;
esac
