#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the application and the tests need.
# Skips apt-get when everything is there already; uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc libgl-dev
  libsqlite3-dev sqlite3 unixodbc-dev libsqliteodbc tdsodbc
  libxlsxwriter-dev fonts-wqy-zenhei poppler-utils unzip libbenchmark-dev clang-format
)
# Node.js runs the T-SQL syntax check; a machine that already has node and npm (from any
# source) keeps them, since Debian's npm conflicts with other Node.js builds.
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
