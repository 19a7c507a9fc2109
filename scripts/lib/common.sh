# Shared by the scripts: package installation, build, stage timing.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Everything the build, the tests and the demo need from Debian.
WRENHOP_PACKAGES=(
    g++ cmake ninja-build pkg-config make
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev qttools5-dev qttools5-dev-tools
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
    qml-module-qtquick-controls qml-module-qtquick-controls2 qml-module-qtquick-templates2
    qml-module-qtquick-particles2 qml-module-qtqml-models2
    libcurl4-openssl-dev libssl-dev libtinyxml2-dev libminizip-dev zlib1g-dev
    libgtest-dev libgmock-dev libcpp-httplib-dev
    util-linux procps
    fonts-liberation2 fonts-lato fonts-cantarell fonts-nanum fonts-noto-core fonts-dejavu-core
)

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are missing; nothing when all are there.
install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

STAGE_NAME=""
STAGE_START=0
SCRIPT_START=$(date +%s)

stage() {
    stage_end
    STAGE_NAME="$1"
    STAGE_START=$(date +%s)
    echo "==> $STAGE_NAME"
}

stage_end() {
    if [ -n "$STAGE_NAME" ]; then
        echo "<== $STAGE_NAME: $(( $(date +%s) - STAGE_START )) s"
        STAGE_NAME=""
    fi
}

total_time() {
    stage_end
    echo "total: $(( $(date +%s) - SCRIPT_START )) s"
}

# run_ctest ARGS...: ctest with its summary added to the file CTEST_COUNTS
# names, when it names one; keeps ctest's exit code.
run_ctest() {
    local log status=0
    log="$(mktemp)"
    ctest "$@" 2>&1 | tee "$log" || status=$?
    if [ -n "${CTEST_COUNTS:-}" ]; then
        sed -n 's/.* tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$log" | tail -1 >> "$CTEST_COUNTS"
    fi
    rm -f "$log"
    return "$status"
}

# One closing line for all CTest runs together.
test_summary() {
    awk '{ failed += $1; total += $2 } END { printf "tests: %d passed, %d failed\n", total - failed, failed }' "$CTEST_COUNTS"
}

# configure_build DIR [cmake options...]
configure_build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DWRENHOP_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
