#!/usr/bin/env bash
# Installs what is missing on Debian 12, builds, and then starts the program
# (./build.sh start), runs every test (./build.sh test), times the windows
# on a full-size store (./build.sh bench) or writes a sample store
# (./build.sh sample ...), or builds the Debian package (./build.sh package).
# Build output goes to ./build.
set -euo pipefail
cd "$(dirname "$0")"

# qt6-l10n-tools builds the French texts (lrelease) and checks them (lupdate);
# qt6-translations-l10n holds Qt's own French, read at run time.
packages=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql
          libqt6printsupport6 libsodium-dev libpq-dev libzint-dev fonts-dejavu-core fonts-dejavu-extra qt6-l10n-tools
          qt6-translations-l10n)
# Packaging needs the Debian tools; the tests also check the package, read
# saved PDF receipts back, run a PostgreSQL server of their own and decode
# the printed barcodes with a real decoder.
case "${1:-start}" in
  test|package) packages+=(dpkg-dev file desktop-file-utils lintian poppler-utils) ;;
esac
case "${1:-start}" in
  test) packages+=(postgresql zbar-tools) ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  # Through env, so the setting reaches apt past sudo.
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Qt looks for an optional keyboard library the program does not use; its
# "Could NOT find XKB" line is only noise.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release | { grep -v "Could NOT find XKB" || true; }
# Each command builds what it runs: a first start need not wait for the tests.
case "${1:-start}" in
  start)   targets=(videostore) ;;
  sample)  targets=(videostore-sample) ;;
  bench)   targets=(videostore-bench videostore-sample) ;;
  *)       targets=(all) ;;
esac
cmake --build build -j "$(nproc)" --target "${targets[@]}"

case "${1:-start}" in
  start)  exec ./build/videostore ;;
  test)   cd build && QT_QPA_PLATFORM=offscreen exec ctest --output-on-failure -j "$(nproc)" ;;
  bench)
    # The benchmark works on a copy of a ten-year store, made once.
    shift
    [ -f build/full.db ] || ./build/tools/videostore-sample --size full --output build/full.db
    exec ./build/tools/videostore-bench build/full.db "$@" ;;
  sample) shift; exec ./build/tools/videostore-sample "$@" ;;
  package) cd build && exec cpack -G DEB ;;
  *) echo "usage: ./build.sh [start|test|bench|sample ...|package]" >&2; exit 2 ;;
esac
