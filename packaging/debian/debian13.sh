#!/usr/bin/env bash
# Checks the game on Debian 13 (trixie): clones this repository into the
# project's Debian 13 root (packaging/debian/debian13root.sh makes it once and keeps it)
# and runs the test command there, whose package test runs that release's
# lintian. Needs root.
#   bash tools/setup.sh debian13     (installs debootstrap, then runs this)
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
started=$SECONDS
roots=$top/packaging/debian/debian13root.sh

bash "$roots" make
# A fresh clone each time, as a new Debian 13 user would start from.
clone=$(bash "$roots" path)/srv/kestavine
rm -rf "$clone"
git clone -q "$top" "$clone"

echo "== the test command on Debian 13"
bash "$roots" run -C /srv/kestavine bash -euc '
    bash tools/setup.sh test
    echo "== $(lintian --version) checked the package"
'
rm -rf "$clone"
echo "debian13: passed in $((SECONDS - started)) s"
