#!/bin/sh

# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package, unpacks it into a scratch root as dpkg would install it, and checks
# that its files are in their places, that its dependencies were found, that its changelog is for
# its version, and that the unpacked programs run: zorbin-report lists the sample league exactly as
# the golden listing has it, and each program tells its version, zorbin without a display.
# Usage: check-package.sh CPACK_CONFIG SAMPLE_TOOL GOLDEN_LISTING PROGRAM...
set -eu
config=$1 sample_tool=$2 golden=$3
shift 3

. "$(dirname "$0")/build-package.sh"
echo "built $(basename "$package") ($(wc -c <"$package") bytes)"

depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
for needed in fonts-liberation libqt6core6 libc6; do
    echo "$depends" | grep -q "\b$needed\b" || fail "Depends lacks $needed"
done

root="$scratch/root"
dpkg -x "$package" "$root"
for file in usr/share/applications/io.github.zorbin.Zorbin.desktop \
    usr/share/icons/hicolor/scalable/apps/io.github.zorbin.Zorbin.svg \
    usr/share/metainfo/io.github.zorbin.Zorbin.metainfo.xml \
    usr/share/doc/zorbin/copyright usr/share/doc/zorbin/changelog.gz; do
    [ -s "$root/$file" ] || fail "$file is missing from the package"
done
for program in "$@"; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is missing from the package"
    page=usr/share/man/man1/$program.1.gz
    [ -s "$root/$page" ] || fail "$page, the manual page of $program, is missing from the package"
done
version=$(dpkg-deb --field "$package" Version)
changelog_version=$(zcat "$root/usr/share/doc/zorbin/changelog.gz" |
    sed -n '1s/^zorbin (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] ||
    fail "the changelog's latest entry is for version '$changelog_version', the package is $version"
if [ -x "$root/usr/bin/zorbin" ]; then
    # The window needs Qt's platform plugins, which Qt's own packages only recommend.
    for needed in libqt6widgets6 qt6-qpa-plugins qt6-wayland fonts-dejavu-core; do
        echo "$depends" | grep -q "\b$needed\b" || fail "Depends lacks $needed"
    done
fi
# Each program tells the package's version, the window's before Qt looks for a display.
for program in "$@"; do
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$root/usr/bin/$program" --version) ||
        fail "the unpacked $program --version failed"
    [ "$answer" = "$program $version" ] ||
        fail "the unpacked $program --version says '$answer', not '$program $version'"
done

"$sample_tool" "$scratch/league" >/dev/null
"$root/usr/bin/zorbin-report" "$scratch/league/prior" "$scratch/league/current" \
    "$scratch/league/master" >"$scratch/report.txt" ||
    fail "the unpacked zorbin-report failed"
cmp "$scratch/report.txt" "$golden" ||
    fail "the unpacked zorbin-report's lists differ from $golden"
echo "the unpacked zorbin-report lists the sample league as expected"
