#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test under Wine, headless.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
ensure_prefix "$BUILD_DIR/wineprefix" null

# One persistent wineserver for the whole run keeps each test's Wine start short. The Wine
# session's own processes (services, desktop) start here, not under ctest: they would hold
# its output pipes open and every test would seem to hang until its timeout.
wineserver -p </dev/null >/dev/null 2>&1 || true # already running
trap 'wineserver -k 2>/dev/null || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1

build ${VARDA_TARGETS:-}
cd "$BUILD_DIR"
ctest --output-on-failure "$@"
