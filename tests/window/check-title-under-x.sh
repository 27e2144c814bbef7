#!/bin/sh

# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the real program on a virtual X display, as on a desktop (with a session bus of its own
# and a home of its own), and checks what only a real display shows: the caption in the title bar
# exactly as designed, the window's icon, that a larger desktop font opens a larger window, the
# application id on Wayland (under a headless Weston), and that starting and leaving with Alt+X
# writes nothing but the two remembered-folder files and leaves no process behind.
# Usage: check-title-under-x.sh ZORBIN_PROGRAM
set -eu
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/work" "$scratch/large/work" "$scratch/wayland/work" \
    "$scratch/home/.config/qt6ct"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    XDG_CACHE_HOME="$scratch/home/.cache" XDG_DATA_HOME="$scratch/home/.local/share" \
    XDG_STATE_HOME="$scratch/home/.local/state" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$scratch/runtime"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR QT_FONT_DPI
# Without a session bus (as under sudo), libdbus would start one of its own that writes into the
# home and outlives the test; a desktop session has one, and so does this test.
unset DBUS_SESSION_BUS_ADDRESS
# qt6ct, the desktop's font setting for Qt programs outside KDE, read by the second start only.
cat >"$scratch/home/.config/qt6ct/qt6ct.conf" <<'EOF'
[Fonts]
general="DejaVu Sans,14,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
EOF

# One start: the window's title, icon and size, then Alt+X.
cat >"$scratch/session.sh" <<'EOS'
#!/bin/sh
# Usage: session.sh PROGRAM WORKING_FOLDER RESULT_PREFIX
cd "$2"
"$1" &
window=$(timeout 30 xdotool search --sync --name '^ZORBIN' | head -n 1)
xdotool getwindowname "$window" >"$3.title"
xdotool getwindowgeometry --shell "$window" >"$3.geometry"
# The icon comes a moment after the window.
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    xprop -id "$window" -notype _NET_WM_ICON | head -c 200 >"$3.icon"
    grep -q "Icon (" "$3.icon" && break
    sleep 0.2
done
xdotool windowfocus --sync "$window"
xdotool key --window "$window" alt+x
wait
EOS
chmod +x "$scratch/session.sh"

# A start on a headless Wayland compositor, logging the protocol, until the window names itself.
cat >"$scratch/wayland.sh" <<'EOS'
#!/bin/sh
# Usage: wayland.sh PROGRAM WORKING_FOLDER RESULT_PREFIX
weston --backend=headless-backend.so --socket=zorbin-test --idle-time=0 >"$3.weston" 2>&1 &
compositor=$!
for attempt in $(seq 50); do
    [ -S "$XDG_RUNTIME_DIR/zorbin-test" ] && break
    sleep 0.1
done
cd "$2"
WAYLAND_DISPLAY=zorbin-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$1" 2>"$3.log" &
zorbin=$!
for attempt in $(seq 100); do
    grep -q "set_app_id" "$3.log" && break
    sleep 0.1
done
kill "$zorbin" "$compositor"
wait
EOS
chmod +x "$scratch/wayland.sh"
wayland=""
if command -v weston >/dev/null && [ -e "$(qtpaths6 --plugin-dir 2>/dev/null)/platforms/libqwayland-generic.so" ]; then
    wayland=yes
fi

cat >"$scratch/display.sh" <<EOS
#!/bin/sh
set -e
"$scratch/session.sh" "$program" "$scratch/work" "$scratch/plain"
QT_QPA_PLATFORMTHEME=qt6ct "$scratch/session.sh" "$program" "$scratch/large/work" "$scratch/large"
[ -z "$wayland" ] || "$scratch/wayland.sh" "$program" "$scratch/wayland/work" "$scratch/wayland"
EOS
chmod +x "$scratch/display.sh"

touch "$scratch/started"
# Every process of the run carries this mark, so any left behind can be found afterwards.
mark="ZORBIN_UNDER_X_RUN=$scratch"
status=0
env "$mark" timeout 60 xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- "$scratch/display.sh" || status=$?

# xvfb-run stops its server without waiting for it, so a server may take a moment to go; one that
# has gone but is not yet reaped (a zombie, which init reaps in its own time) has left nothing.
left_behind() {
    left=""
    for environ in /proc/[0-9]*/environ; do
        if grep -qzxF "$mark" "$environ" 2>/dev/null; then
            pid=${environ#/proc/}
            pid=${pid%/environ}
            state=$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$pid/status" 2>/dev/null)
            [ "$state" = Z ] || left="$left $pid"
        fi
    done
}
tries=0
left_behind
while [ -n "$left" ] && [ "$tries" -lt 30 ]; do
    sleep 0.1
    tries=$((tries + 1))
    left_behind
done
if [ -n "$left" ]; then
    ps -o pid=,args= -p "$(echo $left | tr ' ' ',')" >&2 || true
    # shellcheck disable=SC2086
    kill $left 2>/dev/null || true
    echo "FAIL: the session left processes behind:$left" >&2
    exit 1
fi
[ "$status" -eq 0 ] || { echo "FAIL: the session ended with status $status" >&2; exit 1; }

title=$(cat "$scratch/plain.title")
[ "$title" = "ZORBIN for QEL V10 (1/4/2011)" ] || { echo "FAIL: the title bar reads \"$title\"" >&2; exit 1; }
grep -q "Icon (" "$scratch/plain.icon" || { echo "FAIL: the window has no _NET_WM_ICON" >&2; exit 1; }
written=$(cd "$scratch" && find home work -newer started ! -type d | sort | tr '\n' ' ')
[ "$written" = "work/MissDir.txt work/QELMDir.txt " ] ||
    { echo "FAIL: the session wrote: $written" >&2; exit 1; }

# At a 14-point desktop font the window opens at least 1.3 times its design size of 496 by 483.
. "$scratch/large.geometry"
[ "$WIDTH" -ge 645 ] && [ "$HEIGHT" -ge 628 ] ||
    { echo "FAIL: at a 14-point font the window opens at ${WIDTH}x$HEIGHT" >&2; exit 1; }

# On Wayland the application id is the desktop file's name, with which docks find the icon.
if [ -n "$wayland" ]; then
    app_id=$(sed -n 's/.*set_app_id("\([^"]*\)").*/\1/p' "$scratch/wayland.log" | head -n 1)
    [ "$app_id" = "io.github.zorbin.Zorbin" ] ||
        { echo "FAIL: on Wayland the application id is \"$app_id\"" >&2; exit 1; }
else
    app_id="not checked (no weston or no Qt Wayland plugin)"
fi
echo "title \"$title\"; icon set; ${WIDTH}x$HEIGHT at 14 points; Wayland app id $app_id;" \
    "written: $written"
