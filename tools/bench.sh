#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine: the store (load and save), the grid's painting
# and the program's start-up beside a bare dialog program and an empty 17-page wizard.
# Figures only; nothing fails on them.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
ensure_prefix "$BUILD_DIR/wineprefix" null
start_wine_session

build config_bench propgrid_bench e2e_tests
cd "$BUILD_DIR"
wine tests/bench/config_bench.exe
wine tests/bench/propgrid_bench.exe
wine tests/e2e/e2e_tests.exe --gtest_filter='StartupBenchmark.*'
