# Shared steps of the run and test commands. Source it; do not run it.
set -euo pipefail

REPO_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VARDA_BUILD_DIR:-$REPO_DIR/build}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Without these overrides a fresh prefix offers to install Mono and Gecko and waits for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="

log() { printf '== %s\n' "$*" >&2; }

# ensure_packages <command:package>...: installs the packages whose command is missing.
ensure_packages() {
    local missing=() pair
    for pair in "$@"; do
        command -v "${pair%%:*}" >/dev/null 2>&1 || missing+=("${pair#*:}")
    done
    [ -d /usr/src/googletest ] || missing+=(googletest)
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    # With recommends: Wine's own fonts (fonts-wine) come that way, and text is measured in them.
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

BUILD_PACKAGES=(
    cmake:cmake make:make
    x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix
    x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64
    wine:wine /usr/lib/wine/wine64:wine64 chattr:e2fsprogs
)

# build [targets...]: configures once, then builds the given targets (all by default).
build() {
    log "configuring $BUILD_DIR"
    cmake -S "$REPO_DIR" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    local args=()
    for target in "$@"; do args+=(--target "$target"); done
    log "building ${*:-everything}"
    # Progress lines are noise; errors and warnings stay.
    cmake --build "$BUILD_DIR" --parallel "$(nproc)" "${args[@]}" | sed -E '/^\[ *[0-9]+%\]/d'

}

# ensure_prefix <dir> <graphics driver>: creates the Wine prefix on first use.
ensure_prefix() {
    local prefix="$1" driver="$2"
    export WINEPREFIX="$prefix"
    if [ ! -f "$prefix/.varda-ready" ]; then
        log "creating Wine prefix $prefix"
        rm -rf "$prefix"
        mkdir -p "$prefix"
        wineboot -i >/dev/null 2>&1
        # Set before any window exists: with no display the default driver hangs.
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.varda-ready"
    fi
}

# map_floppy <folder>: drive A: of the current prefix becomes that host folder.
map_floppy() {
    mkdir -p "$WINEPREFIX/dosdevices"
    ln -sfn "$(cd "$1" && pwd)" "$WINEPREFIX/dosdevices/a:"
}

# start_wine_session: one persistent wineserver for the current prefix, stopped when the script
# ends. The session's own processes (services, desktop) start here, not under ctest: they would
# hold its output pipes open and every test would seem to hang until its timeout.
start_wine_session() {
    wineserver -p </dev/null >/dev/null 2>&1 || true # already running
    trap 'wineserver -k 2>/dev/null || true' EXIT
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
