#!/bin/sh

# SPDX-FileCopyrightText: 2026 Zorbin developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package and runs Debian's package checker over it with every tag shown, the
# pedantic and informational ones too. Fails on an error, a warning, a hardening tag of any level
# that the package does not override with its reason, or an override that is no longer needed; the
# other tags are printed for a person to weigh.
# Usage: check-lintian.sh CPACK_CONFIG
set -eu
config=$1

. "$(dirname "$0")/build-package.sh"

# The tags are judged below, so lintian's own verdict is not asked for; a non-zero status then
# means it could not check at all.
if ! lintian --pedantic --display-info --display-experimental --show-overrides \
    --tag-display-limit 0 --fail-on none "$package" >"$scratch/tags" 2>"$scratch/lintian.log"; then
    cat "$scratch/lintian.log" >&2
    fail "lintian could not check $(basename "$package")"
fi
echo "lintian on $(basename "$package"): $(grep -c "^[A-MO-Z]: " "$scratch/tags") tags"
cat "$scratch/tags"
if grep -E '^[EW]: |^[A-NP-Z]: [^ ]+: (hardening-|unused-override|mismatched-override)' \
    "$scratch/tags" >"$scratch/faults"; then
    fail "lintian reports $(grep -c "" "$scratch/faults") errors, warnings, hardening tags or needless overrides"
fi
