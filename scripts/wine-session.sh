# Sourced by the scripts: a private Wine prefix for this run with a virtual desktop, a virtual X
# display, and one persistent wineserver; all stopped and removed on exit.
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$(mktemp -d /tmp/quelbind-wine.XXXXXX)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
if [ -z "${DISPLAY:-}" ]; then
    exec 7< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
    XVFB_PID=$!
    read -r display <&7
    export DISPLAY=":$display"
fi
wine_session_end() {
    "$WINESERVER" -k 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap wine_session_end EXIT
"$WINESERVER" -p
"$ROOT/scripts/wine-run" wineboot -i >/dev/null 2>&1
# A virtual desktop: windows are drawn with caption bars and need no window manager, and a
# program that closes its window exits at once (on a bare X display Wine waits two seconds).
"$ROOT/scripts/wine-run" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$ROOT/scripts/wine-run" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
# The desktop that wineboot started has no such setting: start the server again, and with it
# Wine's own background programs (the desktop among them) with no output of ours to hold open.
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w
"$WINESERVER" -p
"$ROOT/scripts/wine-run" wineboot >/dev/null 2>&1
