# The Windows stage: the Win32 file and process utilities, cross-built with
# mingw-w64 and tested under Wine in a prefix of their own.
# Needs install_packages and ROOT from common.sh.
# shellcheck shell=bash

WRENHOP_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 cmake ninja-build)

# windows_stage [BUILD_DIR]   (default: $ROOT/build-windows)
windows_stage() {
    local build="${1:-$ROOT/build-windows}"
    install_packages "${WRENHOP_WINDOWS_PACKAGES[@]}" || return

    # Wine writes into the prefix while the tests run; nothing may reach a
    # display or the user's own prefix.
    (
        set -e
        export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
        unset DISPLAY WAYLAND_DISPLAY

        cmake -S "$ROOT/tests/windows" -B "$build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DWRENHOP_WERROR=ON >/dev/null
        cmake --build "$build" -j "$(nproc)"

        local start=$SECONDS
        wineboot -i >/dev/null 2>&1
        wineserver -w
        echo "wine prefix ready in $(( SECONDS - start )) s"

        # Files that earlier runs moved into the temporary folders.
        rm -rf "$build"/env/*/temp/* "$build"/env/*/appdata/*
        local status=0
        run_ctest --test-dir "$build" --output-on-failure --no-tests=error || status=$?
        wineserver -k 2>/dev/null || true
        exit "$status"
    )
}
