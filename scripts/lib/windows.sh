# The Windows stage: the Win32 file and process utilities, the zip
# extraction, the settings file and the logger's core, cross-built with
# mingw-w64 and tested under Wine in a prefix of their own.
# Needs install_packages and ROOT from common.sh.
# shellcheck shell=bash

WRENHOP_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 cmake ninja-build libz-mingw-w64-dev dpkg-dev)

# windows_minizip_source DIR: unpacks Debian's source package of minizip, of
# the release that the Linux build uses, into DIR/minizip (Debian builds it
# for Linux only). The source entries
# are the system's own sources turned into deb-src, in an apt configuration
# below DIR: nothing of the system's apt set-up changes.
windows_minizip_source() {
    local dir
    dir="$(mkdir -p "$1" && cd "$1" && pwd)"
    [ -f "$dir/minizip/unzip.c" ] && return 0
    local apt="$dir/apt"
    mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d" "$dir/download"
    local list
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$list" ]; then sed -n 's/^deb \(.*\)/deb-src \1/p' "$list"; fi
    done > "$apt/sources.list"
    for list in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$list" ]; then sed 's/^Types:.*/Types: deb-src/' "$list" > "$apt/sources.list.d/${list##*/}"; fi
    done
    local options=(-q -o "Dir::Etc::sourcelist=$apt/sources.list" -o "Dir::Etc::sourceparts=$apt/sources.list.d"
                   -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
    apt-get "${options[@]}" update >/dev/null
    local version
    version="$(dpkg-query -W -f='${source:Version}' libminizip-dev)"
    (cd "$dir/download" && apt-get "${options[@]}" source --download-only "minizip=$version" >/dev/null)
    rm -rf "$dir/minizip"
    dpkg-source --no-check -x "$dir"/download/minizip_*.dsc "$dir/minizip" >/dev/null
}

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

        windows_minizip_source "$build/sources"
        cmake -S "$ROOT/tests/windows" -B "$build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" -DWRENHOP_WERROR=ON \
            -DWRENHOP_MINIZIP_SOURCE_DIR="$build/sources/minizip" >/dev/null
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
