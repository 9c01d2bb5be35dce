#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (unit, widget and end-to-end).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 300 -j2
