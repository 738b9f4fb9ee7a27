#!/bin/sh
# Installs what is missing on Debian 12, builds, then starts the program (run) or runs every test (test).
set -eu
cd "$(dirname "$0")"

PACKAGES="g++ make cmake qt6-base-dev xvfb xauth xclip imagemagick xdotool fonts-liberation2 fonts-wine"

install_missing() {
    missing=""
    for p in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
    $as_root apt-get update
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends $missing
}

build() {
    dir=$1; shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

case "${1:-run}" in
run)
    install_missing
    build build
    exec ./build/zeltaplot
    ;;
test)
    install_missing
    build build
    cd build && ctest --output-on-failure
    ;;
sanitize)
    install_missing
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cd build-sanitize
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure
    ;;
bench)
    install_missing
    build build
    exec ./build/zeltabench
    ;;
*)
    echo "usage: $0 [run|test|sanitize|bench]" >&2
    exit 2
    ;;
esac
