# The C libraries of the engine cross-built for x86_64-w64-mingw32 from
# Debian's source packages: zlib, minizip, tinyxml2, and a static libcurl that
# speaks TLS through Schannel. Each is the very version of the Linux build's
# development package, so both platforms run the same library code (with
# Debian's patches). The sources come from the archive this machine already
# installs from, through an apt configuration of our own (deb-src entries,
# lists and caches beside the build); nothing system-wide changes.
# Needs install_packages and ROOT from common.sh.
# shellcheck shell=bash

# source package:the Linux development package whose version it takes
WRENHOP_WINDOWS_DEPS_SOURCES=(zlib:zlib1g-dev minizip:libminizip-dev tinyxml2:libtinyxml2-dev
                              curl:libcurl4-openssl-dev)
WRENHOP_WINDOWS_DEPS_PACKAGES=(dpkg-dev xz-utils make cmake ninja-build g++-mingw-w64-x86-64
                               "${WRENHOP_WINDOWS_DEPS_SOURCES[@]#*:}")
WRENHOP_MINGW=x86_64-w64-mingw32

# windows_deps DIR: installs the libraries into DIR (include/, lib/) unless
# DIR/STAMP shows that this recipe already built them there for the installed
# Linux versions; prints the versions built (DIR/VERSIONS) either way. Works in
# DIR-work (apt state, sources, build trees).
windows_deps() {
    local deps="$1"
    local work="$deps-work"
    install_packages "${WRENHOP_WINDOWS_DEPS_PACKAGES[@]}" || return

    local wanted entry
    wanted="$(for entry in "${WRENHOP_WINDOWS_DEPS_SOURCES[@]}"; do
        echo "${entry%%:*} $(dpkg-query -W -f='${source:Version}' "${entry#*:}")"
    done; echo "recipe $(sha256sum "${BASH_SOURCE[0]}" | cut -c1-16)")"
    if [ -f "$deps/STAMP" ] && [ "$(cat "$deps/STAMP")" = "$wanted" ]; then
        echo "windows deps: reused from $deps"
        cat "$deps/VERSIONS"
        return 0
    fi

    (
        set -euo pipefail
        local start=$SECONDS
        rm -rf "$deps" "$work"
        mkdir -p "$deps/include/minizip" "$deps/lib" "$work/src"
        local name version pins=()
        while read -r name version; do
            [ "$name" = recipe ] || pins+=("$name=$version")
        done <<< "$wanted"
        _windows_deps_fetch "$work" "${pins[@]}"
        local dsc
        for dsc in "$work"/src/*.dsc; do
            name="$(basename "$dsc")"
            name="${name%%_*}"
            echo "$name $(sed -n 's/^Version: //p' "$dsc")" >> "$work/VERSIONS"
            dpkg-source --no-check -x "$dsc" "$work/src/$name" >/dev/null
        done

        _windows_deps_zlib "$work/src/zlib" "$deps"
        _windows_deps_minizip "$work/src/minizip" "$deps"
        _windows_deps_tinyxml2 "$work/src/tinyxml2" "$deps"
        _windows_deps_curl "$work/src/curl" "$work/curl-build" "$deps"

        mv "$work/VERSIONS" "$deps/VERSIONS"
        echo "$wanted" > "$deps/STAMP"
        rm -rf "$work/src" "$work/curl-build"
        echo "windows deps: built in $(( SECONDS - start )) s into $deps"
        cat "$deps/VERSIONS"
    )
}

# The machine's own Debian sources (one-line and deb822 files alike), turned
# into deb-src entries; sources of other suites than the release's are left out.
_windows_deps_sources() {
    local codename
    codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    local files=()
    [ -f /etc/apt/sources.list ] && files+=(/etc/apt/sources.list)
    local f
    for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && files+=("$f")
    done
    [ ${#files[@]} -gt 0 ] || return 0
    _windows_deps_debsrc "$codename" "${files[@]}"
}

# _windows_deps_debsrc CODENAME FILE...: the deb entries of CODENAME's suites in
# the apt source files, as deb822 deb-src stanzas.
_windows_deps_debsrc() {
    local codename="$1"; shift
    awk -v codename="$codename" '
        function ours(suite) { return suite == codename || index(suite, codename "-") == 1 }
        function flush(   i, n, s, kept) {
            if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "") {
                n = split(suites, s, " "); kept = ""
                for (i = 1; i <= n; i++) if (ours(s[i])) kept = kept " " s[i]
                if (kept != "") {
                    print "Types: deb-src"; print "URIs: " uris; print "Suites:" kept
                    print "Components: " components
                    if (signedby != "") print "Signed-By: " signedby
                    print ""
                }
            }
            types = uris = suites = components = signedby = enabled = ""
        }
        FILENAME ~ /\.sources$/ {
            if (FILENAME != current) { flush(); current = FILENAME }
            if ($0 ~ /^[ \t]*$/) { flush(); next }
            if ($0 ~ /^#/) next
            # A continued field: only an inline key in Signed-By matters.
            if ($0 ~ /^[ \t]/) { if (key == "signed-by:") signedby = signedby "\n" $0; next }
            key = tolower($1); sub(/^[^:]*:[ \t]*/, ""); value = $0
            if (key == "types:") types = value
            else if (key == "uris:") uris = value
            else if (key == "suites:") suites = value
            else if (key == "components:") components = value
            else if (key == "signed-by:") signedby = value
            else if (key == "enabled:") enabled = tolower(value)
            next
        }
        {
            if (current != "") { flush(); current = "" }
            if ($1 != "deb") next
            line = $0; sub(/^deb[ \t]+/, "", line)
            options = ""
            if (line ~ /^\[/) { options = substr(line, 1, index(line, "]")); line = substr(line, index(line, "]") + 1) }
            n = split(line, w, " ")
            if (n < 3 || !ours(w[2])) next
            components = w[3]; for (i = 4; i <= n; i++) components = components " " w[i]
            print "Types: deb-src"; print "URIs: " w[1]; print "Suites: " w[2]; print "Components: " components
            if (match(options, /signed-by=[^] ]*/)) print "Signed-By: " substr(options, RSTART + 10, RLENGTH - 10)
            print ""
        }
        END { flush() }
    ' "$@"
}

# _windows_deps_fetch WORK NAME=VERSION...: the source packages into WORK/src,
# through the private configuration.
_windows_deps_fetch() {
    local work="$1"; shift
    local apt="$work/apt"
    mkdir -p "$apt/sources.list.d" "$apt/state/lists/partial" "$apt/cache/archives/partial"
    _windows_deps_sources > "$apt/sources.list.d/deb-src.sources"
    if [ ! -s "$apt/sources.list.d/deb-src.sources" ]; then
        echo "windows deps: no Debian archive for $(. /etc/os-release && echo "$VERSION_CODENAME") in the apt sources" >&2
        return 1
    fi
    : > "$apt/state/status"
    local options=(
        -o Dir::Etc::SourceList=/dev/null
        -o Dir::Etc::SourceParts="$apt/sources.list.d"
        -o Dir::State="$apt/state"
        -o Dir::State::status="$apt/state/status"
        -o Dir::Cache="$apt/cache"
        # The folders belong to root; apt's download user could not write them.
        -o APT::Sandbox::User=root
    )
    apt-get "${options[@]}" -qq update
    # An archive that has moved on since the Linux packages were installed
    # keeps only its newer version: that one, then.
    local pin
    for pin in "$@"; do
        (cd "$work/src" && apt-get "${options[@]}" -qq --download-only source "$pin" 2>/dev/null) \
            || (cd "$work/src" && apt-get "${options[@]}" -qq --download-only source "${pin%%=*}")
    done
}

# _windows_deps_archive LIBRARY COMPILER SRC UNIT...: SRC/UNIT.c (or .cpp)
# compiled with the flags in CFLAGS into the static LIBRARY. Their warnings are
# Debian's to weigh, not ours.
_windows_deps_archive() {
    local library="$1" compiler="$2" src="$3"; shift 3
    local unit file objects=()
    for unit in "$@"; do
        objects+=("$src/$unit.o")
    done
    for unit in "$@"; do
        file="$src/$unit.c"
        [ -f "$file" ] || file="$src/$unit.cpp"
        echo "$compiler -O2 -w $CFLAGS -c $file -o $src/$unit.o"
    done | xargs -P "$(nproc)" -I{} sh -c {}
    "$WRENHOP_MINGW-ar" rcs "$library" "${objects[@]}"
}

_windows_deps_zlib() {
    local src="$1" deps="$2"
    CFLAGS="" _windows_deps_archive "$deps/lib/libz.a" "$WRENHOP_MINGW-gcc-posix" "$src" \
        adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
        inftrees trees uncompr zutil
    cp "$src/zlib.h" "$src/zconf.h" "$deps/include/"
}

# The units of Debian's library (encryption included: packages may carry a
# password), plus the Win32 file functions.
_windows_deps_minizip() {
    local src="$1" deps="$2"
    CFLAGS="-I$deps/include" _windows_deps_archive "$deps/lib/libminizip.a" "$WRENHOP_MINGW-gcc-posix" \
        "$src" ioapi mztools unzip zip iowin32
    cp "$src"/{ioapi,mztools,unzip,zip,iowin32,crypt}.h "$deps/include/minizip/"
}

_windows_deps_tinyxml2() {
    local src="$1" deps="$2"
    CFLAGS="" _windows_deps_archive "$deps/lib/libtinyxml2.a" "$WRENHOP_MINGW-g++-posix" "$src" tinyxml2
    cp "$src/tinyxml2.h" "$deps/include/"
}

# HTTP(S) only: the other protocols, the command-line tool, the manual, the
# tests and every optional library are left out, which keeps the cold build
# short on CI.
_windows_deps_curl() {
    local src="$1" build="$2" deps="$3"
    cmake -S "$src" -B "$build" -G Ninja -Wno-dev --no-warn-unused-cli \
        -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=x86_64 \
        -DCMAKE_C_COMPILER="$WRENHOP_MINGW-gcc-posix" -DCMAKE_RC_COMPILER="$WRENHOP_MINGW-windres" \
        -DCMAKE_FIND_ROOT_PATH="$deps;/usr/$WRENHOP_MINGW" \
        -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY \
        -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" \
        -DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF \
        -DHTTP_ONLY=ON -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON \
        -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_WINDOWS_SSPI=ON \
        -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBSSH=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF \
        -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DCURL_USE_LIBPSL=OFF -DUSE_LIBRTMP=OFF \
        -DCURL_USE_GSSAPI=OFF -DENABLE_UNIX_SOCKETS=OFF \
        -DCURL_ZLIB=ON -DZLIB_INCLUDE_DIR="$deps/include" -DZLIB_LIBRARY="$deps/lib/libz.a" \
        >/dev/null
    cmake --build "$build" -j "$(nproc)" >/dev/null
    cmake --install "$build" >/dev/null
}
