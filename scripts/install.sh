#!/usr/bin/env bash
# Installs what is missing, builds, installs Moravel into its folder and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
export CCACHE_BASEDIR="$PWD"

if [[ "${XDG_DATA_HOME:-}" == /* ]]; then
  install_dir="$XDG_DATA_HOME/moravel"
else
  install_dir="$HOME/.local/share/moravel"
fi
first_install=1
[[ -x "$install_dir/Kestrane" ]] && first_install=0

cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF -DMORAVEL_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)"
# The folder holds people's data (profile files are named after them): for the
# user alone, also when an earlier install made it for everyone to read.
mkdir -p -m 700 "$install_dir"
chmod 700 "$install_dir"
cmake --install build --prefix "$install_dir" >/dev/null
echo "Moravel is installed in $install_dir/"

cd "$install_dir"
if [[ $first_install -eq 1 && -x ./installer ]]; then
  exec ./installer
fi
exec ./Kestrane
