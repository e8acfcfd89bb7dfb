#!/usr/bin/env bash
# Every source and text file of the project must be valid UTF-8.
set -euo pipefail
cd "$1"
bad=0
while IFS= read -r -d '' f; do
  if ! iconv -f UTF-8 -t UTF-8 "$f" >/dev/null 2>&1; then
    echo "not valid UTF-8: $f"
    bad=1
  fi
done < <(git ls-files -z -- '*.cpp' '*.h' '*.txt' '*.md' '*.sh' '*.cmake' '*.html' '*.ini' 2>/dev/null)
exit $bad
