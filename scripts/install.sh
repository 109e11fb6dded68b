#!/usr/bin/env bash
# Installs what is missing, builds, installs Moravel into its folder and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build
export CCACHE_BASEDIR="$PWD"

if [[ "${XDG_DATA_HOME:-}" == /* ]]; then
  data_home="$XDG_DATA_HOME"
else
  data_home="$HOME/.local/share"
fi
install_dir="$data_home/moravel"
# The installer makes the menu entries; until it has run on a desktop, an install
# is a first one.
menu_entry="$data_home/applications/org.moravel.Moravel.desktop"
first_install=1
[[ -x "$install_dir/Kestrane" && -e "$menu_entry" ]] && first_install=0

cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF -DMORAVEL_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)"
# The folder holds people's data (profile files are named after them): for the
# user alone, also when an earlier install made it for everyone to read.
mkdir -p -m 700 "$install_dir"
chmod 700 "$install_dir"
# Stripped: the debug information is for developers, not for the user's folder.
cmake --install build --prefix "$install_dir" --strip >/dev/null

# Over ssh or in a container there is no display to start anything on.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  if [[ $first_install -eq 1 ]]; then
    echo "Moravel is installed in $install_dir/; there is no display here: on a desktop, run $install_dir/installer to finish setting it up and start it."
  else
    echo "Moravel is installed in $install_dir/; there is no display here: on a desktop, start it from the application menu or with moravel."
  fi
  exit 0
fi
echo "Moravel is installed in $install_dir/"

cd "$install_dir"
if [[ $first_install -eq 1 && -x ./installer ]]; then
  exec ./installer
fi
exec ./Kestrane
