# The Windows stage: the Win32 platform layer, the zip extraction, the
# settings file, the logger's core, the CNG hasher and the engine's C
# libraries, cross-built with mingw-w64 and tested under Wine in a prefix of
# their own.
# Needs install_packages and ROOT from common.sh.
# shellcheck shell=bash

source "$(dirname "${BASH_SOURCE[0]}")/windows-deps.sh"

WRENHOP_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 cmake ninja-build python3)

# windows_stage [BUILD_DIR]   (default: $ROOT/build-windows)
windows_stage() {
    local build="${1:-$ROOT/build-windows}"
    install_packages "${WRENHOP_WINDOWS_PACKAGES[@]}" || return
    windows_deps "$build/deps" || return

    # Wine writes into the prefix while the tests run; nothing may reach a
    # display or the user's own prefix.
    (
        set -e
        export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
        unset DISPLAY WAYLAND_DISPLAY

        cmake -S "$ROOT/tests/windows" -B "$build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DWRENHOP_WERROR=ON \
            -DWRENHOP_WINDOWS_DEPS="$build/deps" >/dev/null
        cmake --build "$build" -j "$(nproc)"

        local start=$SECONDS
        wineboot -i >/dev/null 2>&1
        wineserver -w
        echo "wine prefix ready in $(( SECONDS - start )) s"

        # Files that earlier runs moved into the temporary folders.
        rm -rf "$build"/env/*/temp/* "$build"/env/*/appdata/*

        # The package server of deps_test, on the Unix side of Wine.
        local served="$build/served" server_pid
        rm -rf "$served" "$build/depsserver.out"
        python3 -u "$ROOT/tests/windows/depsserver.py" "$served" > "$build/depsserver.out" &
        server_pid=$!
        trap 'kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true' EXIT
        local waited=0
        until [ -s "$build/depsserver.out" ]; do
            if ! kill -0 "$server_pid" 2>/dev/null || [ "$waited" -ge 100 ]; then
                echo "the package server did not start" >&2
                exit 1
            fi
            sleep 0.1
            waited=$(( waited + 1 ))
        done
        WRENHOP_TEST_HTTP="$(head -1 "$build/depsserver.out")"
        # engine_test lays out its own packages beside deps_test's.
        WRENHOP_TEST_SERVED="Z:$served"
        export WRENHOP_TEST_HTTP WRENHOP_TEST_SERVED

        local status=0
        run_ctest --test-dir "$build" --output-on-failure --no-tests=error || status=$?
        wineserver -k 2>/dev/null || true
        exit "$status"
    )
}
