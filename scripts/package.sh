#!/usr/bin/env bash
# Builds Brevalon and its Debian package: build/package/brevalon_<version>_<arch>.deb
# (or in $BUILD_DIR/package). Prints the package's path.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
BUILD_DIR=$build "$top/scripts/build.sh" >&2
(cd "$build" && cpack --config CPackConfig.cmake >&2)
ls -t "$build"/package/brevalon_*.deb | head -1
