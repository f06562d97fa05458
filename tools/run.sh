#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with drive A: mapped to the
# sample floppy folder (or to $VARDA_FLOPPY). Without an X display it starts a virtual one,
# saves a screenshot of the welcome page and prints its path.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

FLOPPY="${VARDA_FLOPPY:-$REPO_DIR/floppy}"
[ -d "$FLOPPY" ] || { echo "floppy folder not found: $FLOPPY" >&2; exit 1; }

ensure_packages "${BUILD_PACKAGES[@]}" Xvfb:xvfb xauth:xauth xdotool:xdotool xwd:x11-apps \
    pnmtopng:netpbm
build VardaConfig
ensure_prefix "$BUILD_DIR/wineprefix-run" x11
map_floppy "$FLOPPY"
EXE="$BUILD_DIR/VardaConfig.exe"

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$EXE"
fi

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
trap 'wineserver -k 2>/dev/null || true; kill $xvfb_pid 2>/dev/null || true' EXIT

wine "$EXE" &
shot="$BUILD_DIR/screenshots/welcome.png"
mkdir -p "$(dirname "$shot")"
# The sheet's title bar shows the welcome page's title. A floppy without dp.ini brings the
# "Warning" box first: answer it as the operator would.
welcome=""
answered=""
for _ in $(seq 60); do
    welcome=$(xdotool search --onlyvisible --name "Tessel Varda Configuration Wizard" 2>/dev/null | head -1 || true)
    [ -n "$welcome" ] && break
    warning=$(xdotool search --onlyvisible --name "^Warning$" 2>/dev/null | head -1 || true)
    if [ -n "$warning" ] && [ "$warning" != "$answered" ]; then
        xdotool key --window "$warning" Return 2>/dev/null || true
        answered="$warning"
    fi
    sleep 1
done
[ -n "$welcome" ] || log "the welcome page did not appear within 60 s"
sleep 1
xwd -root -silent -display "$display" | xwdtopnm 2>/dev/null | pnmtopng >"$shot"
echo "Welcome page screenshot: $shot"
