#!/usr/bin/env bash
# Sets up, builds and starts the editor on the bundled sample photograph.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/bin/fotoviramo "${@:-build/bin/Samples/sample.jpg}"
