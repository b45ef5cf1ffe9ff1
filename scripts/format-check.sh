#!/usr/bin/env bash
# Fails when a C++ source or header is not formatted as .clang-format says; lists the files
# that clang-format would change. Fix them with `clang-format -i FILE...`.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

if ! command -v clang-format >/dev/null 2>&1; then
  echo "format-check: clang-format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 2
fi

files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  while IFS= read -r -d '' f; do
    files+=("$f")
  done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  while IFS= read -r -d '' f; do
    files+=("${f#./}")
  done < <(find . \( -path ./tools/tsqlcheck/node_modules -o -path './build*' -o -name node_modules \
    -o -name .git \) -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
fi

unformatted=()
for f in "${files[@]}"; do
  case "$f" in
    tools/tsqlcheck/node_modules/* | build/* | build-*/* | */node_modules/*) continue ;;
  esac
  [ -f "$f" ] || continue  # deleted in the work tree, not yet in the index
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
    unformatted+=("$f")
  fi
done

if [ ${#unformatted[@]} -gt 0 ]; then
  echo "format-check: ${#unformatted[@]} file(s) not formatted as .clang-format says:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  echo "run: clang-format -i ${unformatted[*]}" >&2
  exit 1
fi
echo "format-check: ${#files[@]} files formatted"
