#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kvantor2.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/setup.sh
scripts/build.sh build
exec build/bin/Kvantor2 "$@"
