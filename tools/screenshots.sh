#!/usr/bin/env bash
# Runs the real program under Wine on a virtual X display at a given DPI, walks it by window
# messages and saves a PNG of every page and box an operator meets:
#
#     bash tools/screenshots.sh [96|144|192] [output folder]
#
# Pictures go to build/screenshots/<dpi>/ unless a folder is named. The walk itself is
# tests/e2e/shots/ScreenshotWalk.cpp. Wine draws the windows' frames itself (the prefix runs
# in a Wine virtual desktop), so the title bar and its icon are in the pictures. VARDA_DISPLAY picks the X display
# number (default :72); several DPIs can run at once on different displays.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

DPI="${1:-96}"
case "$DPI" in 96 | 120 | 144 | 168 | 192) ;; *) echo "unsupported DPI: $DPI" >&2; exit 2 ;; esac
OUT="${2:-$BUILD_DIR/screenshots/$DPI}"
DISPLAY_NUMBER="${VARDA_DISPLAY:-:72}"

ensure_packages "${BUILD_PACKAGES[@]}" Xvfb:xvfb xwd:x11-apps pnmtopng:netpbm xdotool:xdotool
build VardaConfig screenshot_walk
# One prefix per DPI: the DPI is a setting of the prefix, and walks at different DPIs may run
# at the same time.
ensure_prefix "$BUILD_DIR/wineprefix-shots-$DPI" x11
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
# Every program of the prefix runs in one virtual desktop, larger than any page at 192 DPI.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1400x1100 /f >/dev/null 2>&1

mkdir -p "$OUT"
rm -f "$OUT"/*.png
Xvfb "$DISPLAY_NUMBER" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$DISPLAY_NUMBER"
trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT
sleep 1

log "walking the program at $DPI DPI"
wine "$BUILD_DIR/tests/e2e/screenshot_walk.exe" "$OUT"
ls "$OUT"
