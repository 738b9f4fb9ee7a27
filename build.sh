#!/bin/sh
# Installs what is missing on Debian 12, builds, then starts the program or runs the tests:
#   ./build.sh run | test | sanitize | package | bench [--program PATH]
set -eu
cd "$(dirname "$0")"

# What each command installs, on top of the build set.
BUILD_PACKAGES="g++ make cmake qt6-base-dev qt6-svg-dev qt6-multimedia-dev fonts-liberation2 fonts-wine"
TEST_PACKAGES="xvfb xauth xclip imagemagick libmagickcore-6.q16-6-extra xdotool desktop-file-utils appstream dbus-daemon dbus-bin at-spi2-core poppler-utils cups printer-driver-cups-pdf pulseaudio pulseaudio-utils"
PACKAGE_PACKAGES="lintian dpkg-dev file"
# The whole program timed from outside under X, beside bare Qt programs.
BENCH_PACKAGES="xvfb xauth xdotool libx11-dev libxdamage-dev libxtst-dev"

install_missing() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
    $as_root apt-get update
    # env carries the setting through sudo, which would drop it.
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
}

build() {
    dir=$1; shift
    cmake -S . -B "$dir" -DZELTAPLOT_WERROR="${ZELTAPLOT_WERROR:-OFF}" "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

command=${1:-run}
if [ $# -gt 0 ]; then shift; fi
case "$command" in
run)
    install_missing $BUILD_PACKAGES
    build build -DBUILD_TESTING=OFF
    exec ./build/zeltaplot
    ;;
test)
    install_missing $BUILD_PACKAGES $TEST_PACKAGES
    build build -DBUILD_TESTING=ON
    cd build && ctest --output-on-failure
    ;;
sanitize)
    install_missing $BUILD_PACKAGES $TEST_PACKAGES
    build build-sanitize -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
    cd build-sanitize
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --output-on-failure
    ;;
package)
    install_missing $BUILD_PACKAGES $TEST_PACKAGES $PACKAGE_PACKAGES
    # The tested build, stripped into the package.
    build build
    cd build && rm -f ./*.deb && cpack -G DEB
    lintian --fail-on error,warning ./*.deb
    # The package brings the faces the windows name (captions are clipped without them) and the
    # printing, SVG and sound libraries the program links, found by shlibdeps.
    depends=$(dpkg-deb -f ./*.deb Depends)
    for dep in fonts-wine fonts-liberation2 libqt6printsupport6 libqt6svg6 libqt6multimedia6; do
        echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$dep" ||
            { echo "the package does not depend on $dep: $depends" >&2; exit 1; }
    done
    ;;
bench)
    install_missing $BUILD_PACKAGES $BENCH_PACKAGES
    build build -DBUILD_TESTING=OFF
    cmake --build build --target zeltabench
    # -noreset: the server must outlive each measured program, its only client.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ./build/zeltabench "$@"
    ;;
*)
    echo "usage: $0 [run|test|sanitize|package|bench]" >&2
    exit 2
    ;;
esac
