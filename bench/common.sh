# Shared by the bench scripts: an optimised build without sanitizers in build/bench.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
# shellcheck disable=SC2086
horalto_install $HORALTO_BUILD_PACKAGES $HORALTO_TEST_PACKAGES
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DHORALTO_SANITIZE=OFF >/dev/null
B=build/bench
