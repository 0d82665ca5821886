#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Vindel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec ./build/release/Vindel
