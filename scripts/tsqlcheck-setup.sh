#!/usr/bin/env bash
# Installs the T-SQL syntax checker's pinned packages (tools/tsqlcheck/node_modules) from its
# lock file. The tst_tsqlsyntax test needs them.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
npm ci --prefix "$root/tools/tsqlcheck" --no-audit --no-fund
