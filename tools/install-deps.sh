#!/usr/bin/env bash
# Install what Quillmere needs on Debian 12, once: only missing packages are fetched.
#   tools/install-deps.sh build   compilers and libraries for the program
#   tools/install-deps.sh test    also the test tools (GoogleTest, LibreOffice for rendering checks, clang for
#                                 fuzzing, the Debian package's checkers)
set -euo pipefail

build_packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-translations-l10n libgl-dev
    zlib1g-dev libsqlite3-dev
    # Recipes (TOML), read and written header-only, so the static command line needs no archive.
    libtomlplusplus-dev
    # PDF sheets: cairo, FreeType and fontconfig, and the static archives the command line
    # links (libcairo2-dev brings them too; named for what the link line takes).
    libcairo2-dev libfreetype-dev libfontconfig-dev libpixman-1-dev libpng-dev libexpat1-dev libbrotli-dev
    # The CJK font the window shows and PDF sheets embed.
    fonts-noto-cjk xdg-utils
    librsvg2-bin file
)
test_packages=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev libzip-dev
    clang-14 libclang-rt-14-dev
    libreoffice-writer-nogui libreoffice-math-nogui poppler-utils python3-docx
    xvfb xauth
    lintian desktop-file-utils appstream man-db
    # The Windows cross build (CMakePresets.json) and wine64 to run its tests.
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64
)

wanted=("${build_packages[@]}")
if [ "${1:-build}" = test ]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}. Run this as root (or with sudo)." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
