#!/usr/bin/env bash
# Installs what the application needs, builds it, and starts it on the embedded demo
# database in demo/ (created there on the first run).
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
mkdir -p "$root/demo"
cd "$root/demo"
if [ ! -f orbista.udl ]; then
  if "$root/build/admin/orbista-admin" demo . --days 365 2>/dev/null; then
    :
  else
    printf '[oledb]\r\n; Everything after this line is an OLE DB initstring\r\nProvider=SQLite;Data Source=orbista.db\r\n' > orbista.udl
    "$root/build/admin/orbista-admin" init
  fi
fi
exec "$root/build/app/orbista-finance" "$@"
