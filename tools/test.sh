#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test under Wine, headless.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
ensure_prefix "$BUILD_DIR/wineprefix" null

start_wine_session

build ${VARDA_TARGETS:-}
cd "$BUILD_DIR"
ctest --output-on-failure "$@"
