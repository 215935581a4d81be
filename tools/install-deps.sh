#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, and only those that are missing.
# Prints nothing when everything is already installed.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libsqlitecpp-dev libsqlite3-dev mdbtools-dev libglib2.0-dev zlib1g-dev
    liberfa-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-tidy clang-format clazy
    fonts-noto-cjk fonts-wqy-microhei poppler-utils
    python3 unicode-data opencc
    dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
