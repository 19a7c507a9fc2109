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

# configure_build DIR [cmake options...]
configure_build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DWRENHOP_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
