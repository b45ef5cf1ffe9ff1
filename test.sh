#!/usr/bin/env bash
# Installs what the tests need, builds, and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/format-check.sh"
"$root/scripts/tsqlcheck-setup.sh"
"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
