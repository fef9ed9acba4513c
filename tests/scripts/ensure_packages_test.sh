#!/usr/bin/env bash
# ensure_packages (scripts/lib.sh) against stand-ins for apt-get, apt-cache,
# dpkg, dpkg-query and apt-mark that replay a mirror in the middle of a sync:
# an index that fails to download once or every time, i386 libraries that the
# mirror no longer offers at the installed amd64 versions, and cases apt cannot
# be helped through. Each case checks the calls made, the output and the status.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

mkdir "$WORK/bin"
for tool in apt-get apt-cache dpkg dpkg-query apt-mark sudo; do
  ln -s "$ROOT/tests/scripts/apt_stand_in.sh" "$WORK/bin/$tool"
done

fail() { echo "FAIL: $CASE: $*" >&2; exit 1; }

# Starts a case: its directory of prepared answers, i386 already enabled.
new_case() {
  CASE=$1
  export APT_CASE=$WORK/$CASE
  mkdir "$APT_CASE"
  echo i386 >"$APT_CASE/foreign"
  touch "$APT_CASE/installed" "$APT_CASE/offered" "$APT_CASE/calls"
}
# Prepares the N-th answer of apt-get update or install: its status, and its
# output from standard input.
answer() { cat >"$APT_CASE/$1.$2"; echo "$3" >"$APT_CASE/$1.$2.rc"; }

# Runs ensure_packages as the scripts do (set -euo pipefail) and keeps its
# status and output.
run() {
  STATUS=0
  PATH=$WORK/bin:$PATH VELMORA_APT_RETRY_PAUSE=0 bash -c \
    'set -euo pipefail; source "$1/scripts/lib.sh"; shift; ensure_packages "$@"' \
    _ "$ROOT" "$@" >"$APT_CASE/out" 2>&1 || STATUS=$?
}

expect_status() { [ "$STATUS" -eq "$1" ] || fail "status $STATUS, not $1; output:
$(cat "$APT_CASE/out")"; }
# The calls that change the package database, exactly and in order.
expect_calls() {
  diff <(printf '%s\n' "$@") "$APT_CASE/calls" >"$APT_CASE/calls.diff" ||
    fail "calls differ (- expected, + made):
$(cat "$APT_CASE/calls.diff")"
}
says() { grep -qF -- "$1" "$APT_CASE/out" || fail "the output does not say '$1':
$(cat "$APT_CASE/out")"; }
says_not() { ! grep -qF -- "$1" "$APT_CASE/out" || fail "the output says '$1'"; }
count_of() { grep -cF -- "$1" "$APT_CASE/out" || true; }

UPDATE='apt-get update -q'
INSTALL='apt-get install -y -q --no-install-recommends'
PINNED="$INSTALL --allow-downgrades --no-remove"

# What apt-get update says when the mirror serves an index of the wrong size.
sync_in_progress() {
  answer update "$1" 100 <<'APT'
Get:1 http://deb.debian.org/debian bookworm InRelease [151 kB]
Err:4 http://deb.debian.org/debian-security bookworm-security/main i386 Packages
  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]
  Hashes of expected file:
E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]
E: Some index files failed to download. They have been ignored, or old ones used instead.
APT
}
WARNING="velmora: warning: apt-get update failed 3 times on http://deb.debian.org/debian-security bookworm-security/main i386 Packages (File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]); going on with the indexes apt has"

# The update fails once, then passes; the i386 architecture is enabled first.
new_case update-fails-once
rm "$APT_CASE/foreign"
echo "nsis:amd64 3.08-3 manual" >"$APT_CASE/installed"
sync_in_progress 1
answer update 2 0 </dev/null
run nsis wine32:i386
expect_status 0
expect_calls "dpkg --add-architecture i386" "$UPDATE" "$UPDATE" "$INSTALL wine32:i386"
says "apt-get update failed (try 1 of 3); trying again in 0 s"
says_not "warning"

# The update fails every time: one warning naming the index, and the install
# goes on with the indexes apt has.
new_case update-always-fails
sync_in_progress 1
run xvfb
expect_status 0
expect_calls "$UPDATE" "$UPDATE" "$UPDATE" "$INSTALL xvfb"
[ "$(count_of "velmora: warning:")" -eq 1 ] || fail "not one warning line"
says "$WARNING"

# The i386 libraries are offered at other versions than the installed amd64
# ones. Each is pinned, with its amd64 namesake, to the newest version both
# offer: an upgrade (libssl3), the installed one (zlib1g), a downgrade
# (libpcre2-8-0) and one amd64 does not have yet (libheif1, pulled in by the
# first pins). wine32 exists for i386 only and is not pinned. Then the -dev
# package apt would remove for needing libssl3's exact version is pinned along.
new_case i386-skew
cat >"$APT_CASE/installed" <<'DATA'
libssl3:amd64 3.0.19-1~deb12u2 auto
libssl-dev:amd64 3.0.19-1~deb12u2 manual
zlib1g:amd64 1:1.2.13.dfsg-1 auto
libpcre2-8-0:amd64 10.42-1+deb12u2 manual
DATA
cat >"$APT_CASE/offered" <<'DATA'
libssl3:amd64 3.0.22-1~deb12u2
libssl3:amd64 3.0.20-1~deb12u2
libssl3:amd64 3.0.17-1~deb12u2
libssl3:i386 3.0.20-1~deb12u2
libssl3:i386 3.0.17-1~deb12u2
libssl-dev:amd64 3.0.22-1~deb12u2
libssl-dev:amd64 3.0.20-1~deb12u2
zlib1g:amd64 1:1.2.13.dfsg-1+deb12u1
zlib1g:amd64 1:1.2.13.dfsg-1
zlib1g:i386 1:1.2.13.dfsg-1
libpcre2-8-0:amd64 10.42-1+deb12u2
libpcre2-8-0:amd64 10.42-1
libpcre2-8-0:i386 10.42-1
libheif1:amd64 1.15.1-1+deb12u1
libheif1:i386 1.15.1-1+deb12u1
wine32:i386 8.0~repack-4
DATA
sync_in_progress 1
answer install 1 100 <<'APT'
Some packages could not be installed. This may mean that you have
The following packages have unmet dependencies:
 libcurl4:i386 : Depends: libssl3:i386 (>= 3.0.0) but it is not going to be installed
                 Depends: zlib1g:i386 (>= 1:1.1.4) but it is not going to be installed
 libglib2.0-0:i386 : Depends: libpcre2-8-0:i386 (>= 10.22) but it is not going to be installed
 wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed
E: Unable to correct problems, you have held broken packages.
APT
answer install 2 100 <<'APT'
The following packages have unmet dependencies:
 libgd3:i386 : Depends: libheif1:i386 (>= 1.3.2) but it is not going to be installed
E: Unable to correct problems, you have held broken packages.
APT
answer install 3 100 <<'APT'
The following packages will be REMOVED:
  libssl-dev
The following NEW packages will be installed:
  libssl3:i386 zlib1g:i386
E: Packages need to be removed but remove is disabled.
APT
answer install 4 0 </dev/null
run wine32:i386
expect_status 0
ROUND1="libpcre2-8-0:amd64=10.42-1 libpcre2-8-0:i386=10.42-1 libssl3:amd64=3.0.20-1~deb12u2 libssl3:i386=3.0.20-1~deb12u2 zlib1g:amd64=1:1.2.13.dfsg-1 zlib1g:i386=1:1.2.13.dfsg-1"
ROUND2="libheif1:amd64=1.15.1-1+deb12u1 libheif1:i386=1.15.1-1+deb12u1"
expect_calls "$UPDATE" "$UPDATE" "$UPDATE" "$INSTALL wine32:i386" \
  "$PINNED wine32:i386 $ROUND1" \
  "$PINNED wine32:i386 $ROUND1 $ROUND2" \
  "$PINNED wine32:i386 $ROUND1 $ROUND2 libssl-dev:amd64=3.0.20-1~deb12u2" \
  "apt-mark auto libpcre2-8-0:i386 libssl3:amd64 libssl3:i386 zlib1g:amd64 zlib1g:i386 libheif1:amd64 libheif1:i386"
says "$WARNING"
says "  libssl3 3.0.20-1~deb12u2 (amd64 changes from 3.0.19-1~deb12u2)"
says "  zlib1g 1:1.2.13.dfsg-1 (amd64 keeps it)"
says "  libpcre2-8-0 10.42-1 (amd64 changes from 10.42-1+deb12u2)"
says "  libheif1 1.15.1-1+deb12u1 (amd64 not installed yet)"
says "  libssl-dev 3.0.20-1~deb12u2 (amd64 changes from 3.0.19-1~deb12u2)"
[ "$(count_of "pinning both architectures to the newest version both offer")" -eq 2 ] ||
  fail "not one pinning message per round of unmet dependencies"
says "pinning them to the same versions"

# What every failed install ends with: apt's lines, the state of the package
# database and what to try.
says_what_to_try() {
  says "velmora: could not install: wine32:i386"
  says "velmora: apt-get said:"
  says "  E: $1"
  says "wait for it to finish (an hour or two), then run this command again"
}

# No version of a library is offered for both architectures: nothing to pin.
new_case hopeless
echo "libfoo1:amd64 2.1-1 auto" >"$APT_CASE/installed"
printf '%s\n' "libfoo1:amd64 2.1-1" "libfoo1:i386 2.0-1" >"$APT_CASE/offered"
answer install 1 100 <<'APT'
The following packages have unmet dependencies:
 libwine:i386 : Depends: libfoo1:i386 (>= 2.0) but it is not going to be installed
E: Unable to correct problems, you have held broken packages.
APT
run wine32:i386
expect_status 1
expect_calls "$UPDATE" "$INSTALL wine32:i386" "dpkg --audit"
says "velmora: no version of libfoo1 is offered for both amd64 and i386"
says_what_to_try "Unable to correct problems, you have held broken packages."
says "   libwine:i386 : Depends: libfoo1:i386 (>= 2.0) but it is not going to be installed"
says "the package database is consistent"

# The install stops half-way: the message says the database is left
# half-configured and how to finish it.
new_case half-configured
answer install 1 100 <<'APT'
dpkg: error processing package wine32:i386 (--configure):
E: Sub-process /usr/bin/dpkg returned an error code (1)
APT
echo "The following packages are only half configured, probably due to problems" >"$APT_CASE/audit"
run wine32:i386
expect_status 1
expect_calls "$UPDATE" "$INSTALL wine32:i386" "dpkg --audit"
says_what_to_try "Sub-process /usr/bin/dpkg returned an error code (1)"
says "velmora: the package database is left half-configured:"
says "  The following packages are only half configured"
says "finish it with 'dpkg --configure -a'"

echo "ensure_packages: all cases passed"
