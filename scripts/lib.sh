# Shared by the scripts: installing Debian packages and building a preset.
# shellcheck shell=bash

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building the Qt program alone needs on a fresh Debian 12 machine.
VELMORA_PROGRAM_PACKAGES=(cmake g++ ninja-build pkg-config qt6-base-dev libgl-dev fonts-noto-ui-core)

# What building and testing everything needs: the program's packages, the
# test and benchmark libraries, ICU as the tests' oracle, and clang with its
# sanitizer run-time for the fuzz targets, and Python 3 for the test of
# scripts/update-official-hijri.
VELMORA_BUILD_PACKAGES=(
  "${VELMORA_PROGRAM_PACKAGES[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  clang libclang-rt-14-dev python3
)

# What the Windows program's build and tests need: the MinGW-w64 compilers,
# Wine for both word sizes (wine32 comes from the i386 architecture, which
# ensure_packages enables when asked for an ":i386" package), NSIS for the
# installer, zip and unzip for the archives and their check, Python 3 for the tool that makes the
# Windows icon, and a virtual X server with a way to press keys in it and a
# small window manager (openbox; xprop tells when it is up) for the window
# tests. fonts-wine has the Tahoma and Marlett fonts that the
# window tests copy into their Wine prefix: Debian's wine leaves them out.
VELMORA_CROSS_PACKAGES=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386
  fonts-wine nsis zip unzip python3 xvfb xauth xdotool x11-xserver-utils x11-utils openbox)

# What running the window needs beyond the build: the X11 and Wayland
# platform plugins of Qt (the build itself uses only the offscreen one).
VELMORA_RUN_PACKAGES=(qt6-qpa-plugins qt6-wayland libqt6svg6)

# What scripts/package and scripts/check-package need: dpkg-shlibdeps (and
# file, which CPack runs on the program) to find the package's dependencies,
# and the validators of the desktop entry and the software-centre entry.
VELMORA_PACKAGING_PACKAGES=(dpkg-dev file desktop-file-utils appstream)

# What scripts/screenshot needs: a virtual X server, a way to type into it
# and ImageMagick's import to capture windows.
VELMORA_SCREENSHOT_PACKAGES=(xvfb xauth xdotool imagemagick)

# Installs the named Debian packages that are not installed yet, as root or
# through sudo.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures and builds one preset of CMakePresets.json: all of it, or only
# the targets named after the preset.
build_preset() {
  local preset=$1
  shift
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  (cd "$VELMORA_ROOT" && cmake --preset "$preset" >/dev/null &&
    cmake --build --preset "$preset" "${targets[@]}")
}
