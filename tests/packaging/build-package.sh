# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the package checks: builds the package from the CPack configuration in $config into a
# scratch folder removed on exit, and sets $scratch and $package. fail() ends the check.

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# -B keeps the package and CPack's staging out of the build folder.
if ! cpack --config "$config" -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack could not build the package"
fi
package=$(find "$scratch/package" -maxdepth 1 -name 'zorbin_*.deb')
[ -n "$package" ] || fail "no zorbin_*.deb in $scratch/package"
