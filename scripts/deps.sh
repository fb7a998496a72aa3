# Sourced by run.sh and test.sh: installs the Debian 12 packages that are missing.

# Needed to build and run the program, and the benchmarks built with it.
COLDESIGN_RUN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libfontconfig-dev libharfbuzz-dev qt6-translations-l10n fonts-noto-core fonttools
  libgtest-dev libgmock-dev libbenchmark-dev libx11-dev libxdamage-dev libfast-float-dev
  libdxflib-dev
)

# Needed by the tests: formatting, the fuzzer, the X server, the Wayland compositor, the screen
# reader bus, screenshots, the packaging checks, the PDF readers, the DXF reader (ezdxf, and
# matplotlib to draw what it reads), and the WebAssembly build with Node to run it.
COLDESIGN_TEST_PACKAGES=(
  clang-format clang-16 libclang-rt-16-dev locales
  xvfb xdotool xclip x11-utils imagemagick dbus at-spi2-core python3-pyatspi weston qt6-wayland
  desktop-file-utils appstream dpkg-dev file poppler-utils qpdf python3-ezdxf python3-matplotlib
  lld-16 wasi-libc libc++-16-dev-wasm32 libc++abi-16-dev-wasm32 libclang-rt-16-dev-wasm32 nodejs
)

# Needed to build the page: the WebAssembly toolchain and its optimiser, and the font subsets and
# icons made at build time.
COLDESIGN_WEB_PACKAGES=(
  cmake ninja-build clang-16 lld-16 wasi-libc libc++-16-dev-wasm32 libc++abi-16-dev-wasm32
  libclang-rt-16-dev-wasm32 binaryen libfast-float-dev
  python3 python3-fonttools python3-brotli python3-rjsmin python3-rcssmin librsvg2-bin
  fonts-noto-core
)

# Needed by the page's tests besides Node and npm (coldesign_install_node).
COLDESIGN_WEB_TEST_PACKAGES=(chromium)

# Node and npm from Debian, unless a Node with its npm is installed already (a Node package from
# elsewhere provides npm itself and conflicts with Debian's).
coldesign_install_node() {
  if command -v node >/dev/null && command -v npm >/dev/null; then
    return 0
  fi
  coldesign_install nodejs npm
}

coldesign_install() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    "${missing[@]}"
}
