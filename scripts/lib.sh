# Shared by the scripts: installing Debian packages and building a preset.
# shellcheck shell=bash

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building the Qt program alone needs on a fresh Debian 12 machine.
VELMORA_PROGRAM_PACKAGES=(cmake g++ ninja-build pkg-config qt6-base-dev libgl-dev fonts-noto-ui-core)

# What building and testing everything needs: the program's packages, the
# test and benchmark libraries, ICU as the tests' oracle, and clang with its
# sanitizer run-time for the fuzz targets, and Python 3 for the test of
# scripts/update-official-hijri, and libical, a real iCalendar parser that
# reads the holiday calendar files back.
VELMORA_BUILD_PACKAGES=(
  "${VELMORA_PROGRAM_PACKAGES[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  clang libclang-rt-14-dev python3 libical-dev
)

# What the Windows program's build and tests need: the MinGW-w64 compilers,
# Wine for both word sizes (wine32 comes from the i386 architecture, which
# ensure_packages enables when asked for an ":i386" package), NSIS for the
# installer, zip and unzip for the archives and their check, Python 3 for the tool that makes the
# Windows icon, and a virtual X server with a way to press keys in it and a
# small window manager (openbox; xprop tells when it is up) for the window
# tests, with Python's iCalendar parser to read back the calendar file the
# program saves. fonts-wine has the Tahoma and Marlett fonts that the
# window tests copy into their Wine prefix: Debian's wine leaves them out.
VELMORA_CROSS_PACKAGES=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386
  fonts-wine nsis zip unzip python3 python3-icalendar xvfb xauth xdotool x11-xserver-utils x11-utils openbox)

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

# How many times ensure_packages tries `apt-get update`, and the pause in
# seconds between tries: a mirror in the middle of a sync serves an index
# whose size no longer matches its Release file for a while.
VELMORA_APT_UPDATE_TRIES=${VELMORA_APT_UPDATE_TRIES:-3}
VELMORA_APT_RETRY_PAUSE=${VELMORA_APT_RETRY_PAUSE:-20}

# Installs the named Debian packages that are not installed yet, as root or
# through sudo. It goes on through an index that a syncing mirror fails to
# serve, and when that leaves the i386 libraries at other versions than the
# amd64 ones, pins both architectures to a version they share. Returns
# non-zero, with apt's lines and what to try, when it cannot install them.
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
  local log
  log=$(mktemp)
  _velmora_apt_update "$log"
  local status=0
  _velmora_apt_install "$log" "${missing[@]}" || status=$?
  rm -f "$log" "$log.status"
  return $status
}

# Runs `apt-get update` until it succeeds or has been tried
# VELMORA_APT_UPDATE_TRIES times. When every try failed it goes on with the
# indexes apt has, after one warning line that names those it could not fetch.
_velmora_apt_update() {
  local log=$1 try
  for ((try = 1; ; try++)); do
    _velmora_logged "$log" "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
      return 0
    [ "$try" -ge "$VELMORA_APT_UPDATE_TRIES" ] && break
    echo "velmora: apt-get update failed (try $try of $VELMORA_APT_UPDATE_TRIES); trying again in ${VELMORA_APT_RETRY_PAUSE} s"
    sleep "$VELMORA_APT_RETRY_PAUSE"
  done
  # "Err:6 URL suite/component arch Packages", then the reason on the next line.
  local failed
  failed=$(awk '/^Err:[0-9]+ / { sub(/^Err:[0-9]+ /, ""); index_ = $0; next }
    index_ != "" { sub(/^ +/, ""); printf "%s%s (%s)", sep, index_, $0; sep = "; "; index_ = "" }' "$log")
  [ -n "$failed" ] || failed=$(grep '^E: ' "$log" | head -n 1)
  echo "velmora: warning: apt-get update failed $try times on ${failed:-an unnamed index}; going on with the indexes apt has"
}

# Runs `apt-get install`. When apt finds unmet dependencies among i386
# packages, it pins each of them and its amd64 namesake to the newest version
# both architectures offer (a library installed for both must have the same
# version in both) and tries again, as long as that gives new pins.
_velmora_apt_install() {
  local log=$1
  shift
  local pins=() seen=" " pinned_versions=" " options=() manual="" name version
  while true; do
    if _velmora_logged "$log" "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -q --no-install-recommends "${options[@]}" "$@" "${pins[@]}"; then
      [ ${#pins[@]} -eq 0 ] || _velmora_unmark_pins "$manual" "${pins[@]%%=*}"
      return 0
    fi
    local new=()
    if grep -q '^The following packages have unmet dependencies:' "$log"; then
      _velmora_pin_unmet_i386 "$log" || break
      echo "velmora: apt cannot install these i386 libraries next to their amd64 namesakes at the versions it sees (an index the mirror is syncing is missing); pinning both architectures to the newest version both offer and trying again:"
    elif grep -q '^E: Packages need to be removed but remove is disabled' "$log" &&
      [ ${#pins[@]} -gt 0 ]; then
      _velmora_pin_removed "$log" || break
      echo "velmora: those pins would remove packages built with the pinned libraries, which need their exact versions; pinning them to the same versions and trying again:"
    else
      break
    fi
    [ ${#pins[@]} -gt 0 ] || manual=$(apt-mark showmanual)
    local line arch installed
    for line in "${new[@]}"; do
      read -r name arch version <<<"$line"
      pins+=("$name:$arch=$version")
      pinned_versions+="$version "
      installed=$(dpkg-query -W -f='${Version}' "$name:amd64" 2>/dev/null || true)
      if [ "$arch" = i386 ]; then
        continue
      elif [ -z "$installed" ]; then
        echo "  $name $version (amd64 not installed yet)"
      elif [ "$installed" = "$version" ]; then
        echo "  $name $version (amd64 keeps it)"
      else
        echo "  $name $version (amd64 changes from $installed)"
      fi
    done
    # The pins may lower an amd64 library; they never remove a package.
    options=(--allow-downgrades --no-remove)
  done
  _velmora_install_failed "$log" "$@"
  return 1
}

# Runs a command with its output shown and kept in the log; returns the
# command's status.
_velmora_logged() {
  local log=$1 status
  shift
  { status=0; "$@" 2>&1 || status=$?; echo "$status" >"$log.status"; } | tee "$log"
  return "$(cat "$log.status")"
}

# Adds to the caller's new pins ("name arch version") each i386 package in
# apt's list of unmet dependencies and its amd64 namesake, at the newest
# version both offer. Fails when that gives no new pin.
_velmora_pin_unmet_i386() {
  local unshared=() name version
  for name in $(sed -n '/^The following packages have unmet dependencies:/,$p' "$1" |
    grep -o '[a-z0-9][a-z0-9.+-]*:i386' | sed 's/:i386$//' | sort -u); do
    [[ $seen == *" $name "* ]] && continue
    seen+="$name "
    version=$(_velmora_shared_version "$name")
    case $version in
      '') unshared+=("$name") ;;
      -) ;; # i386 only: nothing to keep in step with.
      *) new+=("$name amd64 $version" "$name i386 $version") ;;
    esac
  done
  [ ${#unshared[@]} -eq 0 ] ||
    echo "velmora: no version of ${unshared[*]} is offered for both amd64 and i386"
  [ ${#new[@]} -gt 0 ]
}

# Adds to the caller's new pins each package that apt would remove to honour
# the pins, at a version it offers that is one of the pinned versions: a
# library's -dev package comes from the same source and needs the very same
# version. Fails when that gives no new pin.
_velmora_pin_removed() {
  local name arch version
  for name in $(sed -n '/^The following packages will be REMOVED:/,/^[^ ]/p' "$1" | grep '^  '); do
    [[ $seen == *" $name "* ]] && continue
    arch=amd64
    [[ $name == *:i386 ]] && arch=i386
    name=${name%:i386}
    for version in $(apt-cache madison "$name:$arch" | awk -F'|' '{ gsub(/ /, "", $2); print $2 }'); do
      if [[ $pinned_versions == *" $version "* ]]; then
        seen+="$name "
        new+=("$name $arch $version")
        break
      fi
    done
  done
  [ ${#new[@]} -gt 0 ]
}

# The newest version of a package that apt offers for both amd64 and i386
# (apt-cache madison lists the versions newest first); "-" when there is no
# amd64 package of that name, nothing when no version is shared.
_velmora_shared_version() {
  local amd64 i386 version
  amd64=$(apt-cache madison "$1:amd64" | awk -F'|' '{ gsub(/ /, "", $2); print $2 }')
  [ -n "$amd64" ] || { echo -; return; }
  i386=$(apt-cache madison "$1:i386" | awk -F'|' '{ gsub(/ /, "", $2); print $2 }')
  for version in $amd64; do
    if grep -qxF -- "$version" <<<"$i386"; then
      echo "$version"
      return
    fi
  done
}

# Naming a package on apt's command line marks it as installed by hand; the
# pinned libraries are only dependencies, so those that were not marked by
# hand before (the list given) go back to automatic.
_velmora_unmark_pins() {
  local manual=$1 name auto=()
  shift
  for name in "$@"; do
    grep -qxF "${name%:amd64}" <<<"$manual" || auto+=("$name")
  done
  [ ${#auto[@]} -eq 0 ] || "${sudo[@]}" apt-mark auto "${auto[@]}" >/dev/null
}

# Says what could not be installed, with apt's own lines, whether the package
# database was left half-configured, and what to try.
_velmora_install_failed() {
  local log=$1
  shift
  echo "velmora: could not install: $*" >&2
  echo "velmora: apt-get said:" >&2
  { sed -n '/^The following packages have unmet dependencies:/,/^E: /{/^E: /!p}' "$log"
    grep '^E: ' "$log"; } | sed 's/^/  /' >&2
  local audit
  audit=$(dpkg --audit 2>&1)
  if [ -n "$audit" ]; then
    echo "velmora: the package database is left half-configured:" >&2
    printf '%s\n' "$audit" | sed 's/^/  /' >&2
    echo "velmora: finish it with 'dpkg --configure -a' (as root) before anything else" >&2
  else
    echo "velmora: the package database is consistent (dpkg --audit finds nothing half-installed)" >&2
  fi
  echo "velmora: the package mirror may be in the middle of a sync: wait for it to finish (an hour or two), then run this command again" >&2
}

# True when this machine can run 32-bit x86 programs, which Wine's 32-bit
# loader (and so every 32-bit Windows program, the NSIS installer among them)
# is. A kernel built without IA-32 emulation refuses them ("Exec format
# error"); the 32-bit Windows build then still cross-builds but cannot run.
can_run_32bit_programs() {
  /usr/lib/wine/wine --version 2>/dev/null | grep -q '^wine-'
}

# The line that says why the 32-bit Windows programs are not run here.
VELMORA_NO_32BIT_NOTE="this machine's kernel cannot run 32-bit x86 programs (no IA-32 emulation), so the 32-bit Windows programs are built but not run under Wine"

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
