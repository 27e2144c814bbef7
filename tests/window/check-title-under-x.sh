#!/bin/sh

# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the real program on a virtual X display, with a home of its own, and checks what only a
# real display shows: the caption in the title bar exactly as designed, and that starting and
# leaving with Alt+X writes nothing but the two remembered-folder files.
# Usage: check-title-under-x.sh ZORBIN_PROGRAM
set -eu
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/work"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    XDG_CACHE_HOME="$scratch/home/.cache" XDG_DATA_HOME="$scratch/home/.local/share" \
    XDG_STATE_HOME="$scratch/home/.local/state"
unset QT_QPA_PLATFORM
touch "$scratch/started"

cat >"$scratch/session.sh" <<EOS
#!/bin/sh
cd "$scratch/work"
"$program" &
window=\$(timeout 30 xdotool search --sync --name '^ZORBIN' | head -n 1)
xdotool getwindowname "\$window" >"$scratch/title"
xdotool windowfocus --sync "\$window"
xdotool key --window "\$window" alt+x
wait
EOS
chmod +x "$scratch/session.sh"
timeout 60 xvfb-run -a "$scratch/session.sh"

title=$(cat "$scratch/title")
[ "$title" = "ZORBIN for QEL V10 (1/4/2011)" ] || { echo "FAIL: the title bar reads \"$title\"" >&2; exit 1; }
written=$(cd "$scratch" && find home work -newer started ! -type d | sort | tr '\n' ' ')
[ "$written" = "work/MissDir.txt work/QELMDir.txt " ] ||
    { echo "FAIL: the session wrote: $written" >&2; exit 1; }
echo "title \"$title\"; written: $written"
