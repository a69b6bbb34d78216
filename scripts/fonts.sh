#!/usr/bin/env bash
# Installs a Chinese font when fontconfig knows none.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
if [ -z "$(fc-list :lang=zh 2>/dev/null)" ]; then
  scripts/deps.sh "${CJK_FONT_PACKAGES[@]}"
fi
