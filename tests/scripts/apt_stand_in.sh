#!/usr/bin/env bash
# Stands in for apt-get, apt-cache, dpkg, dpkg-query, apt-mark and sudo (by
# the name it is called under) in the tests of ensure_packages. It changes
# nothing on the machine: it replays what a case prepared in $APT_CASE and
# writes each call that would change the package database to $APT_CASE/calls.
#   installed   "name:arch version manual|auto" for each installed package
#   offered     "name:arch version" for each version the mirror offers, newest first
#   foreign     the foreign architectures dpkg already has
#   audit       what dpkg --audit reports
#   update.N, install.N   the output of the N-th apt-get update or install;
#   update.N.rc, install.N.rc   its status (0 when missing). Calls past the
#   last prepared one replay the last one.
set -euo pipefail
case_dir=${APT_CASE:?}

log_call() { echo "$*" >>"$case_dir/calls"; }

# Replays the next prepared answer of apt-get update or install.
replay() {
  local kind=$1 count n
  count=1
  [ ! -e "$case_dir/$kind.count" ] || count=$(($(<"$case_dir/$kind.count") + 1))
  echo "$count" >"$case_dir/$kind.count"
  n=$count
  while [ "$n" -gt 1 ] && [ ! -e "$case_dir/$kind.$n" ]; do n=$((n - 1)); done
  [ ! -e "$case_dir/$kind.$n" ] || cat "$case_dir/$kind.$n"
  [ ! -e "$case_dir/$kind.$n.rc" ] || return "$(<"$case_dir/$kind.$n.rc")"
}

# The installed package's line, for "name" (amd64) or "name:arch".
installed_line() {
  local name=$1
  [[ $name == *:* ]] || name+=:amd64
  grep "^$name " "$case_dir/installed" 2>/dev/null
}

case ${0##*/} in
  sudo) exec "$@" ;;
  apt-get)
    # The caller runs "env DEBIAN_FRONTEND=noninteractive apt-get ...".
    log_call "apt-get $*"
    for arg in "$@"; do
      case $arg in
        update) replay update; exit ;;
        install) replay install; exit ;;
      esac
    done
    exit 100 ;;
  apt-cache)
    [ "$1" = madison ] || exit 100
    while read -r name version; do
      [ "$name" != "$2" ] ||
        echo " ${name%:amd64} | $version | http://deb.debian.org/debian bookworm/main ${name#*:} Packages"
    done <"$case_dir/offered" ;;
  dpkg-query)
    # dpkg-query -W -f=FORMAT NAME
    line=$(installed_line "$3") || { echo "dpkg-query: no packages found matching $3" >&2; exit 1; }
    case $2 in
      *Status*) echo -n "install ok installed" ;;
      *Version*) read -r _ version _ <<<"$line"; echo -n "$version" ;;
    esac ;;
  dpkg)
    case $1 in
      --print-foreign-architectures) cat "$case_dir/foreign" 2>/dev/null || true ;;
      --audit) log_call "dpkg --audit"; cat "$case_dir/audit" 2>/dev/null || true ;;
      *) log_call "dpkg $*" ;;
    esac ;;
  apt-mark)
    case $1 in
      showmanual)
        awk '$3 == "manual" { sub(/:amd64$/, "", $1); print $1 }' "$case_dir/installed" ;;
      *) log_call "apt-mark $*" ;;
    esac ;;
  *) echo "apt_stand_in.sh: called as ${0##*/}" >&2; exit 2 ;;
esac
