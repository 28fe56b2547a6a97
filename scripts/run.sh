#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the example class.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)" --target tombolix

# The program reads rand.ini from the folder it starts in.
cd examples/utf8
exec ../../build/src/tombolix "$@"
