#!/usr/bin/env bash
# scripts/lib/debian-sources on an apt configuration of both formats: this release's binary
# entries with their keyrings, in apt's order; source lines, CD-ROMs, disabled stanzas, other
# vendors' suites and files apt does not read are left out.
set -euo pipefail
script=$1/scripts/lib/debian-sources
c=$(. /etc/os-release && echo "$VERSION_CODENAME")
etc=$(mktemp -d)
trap 'rm -rf "$etc"' EXIT
mkdir "$etc/sources.list.d"
cat >"$etc/sources.list" <<END
# the main archive
deb [arch=amd64 signed-by=/etc/os-release] http://mirror.test/debian/ $c main contrib
deb-src http://mirror.test/debian $c main
deb cdrom:[Debian]/ $c main
END
cat >"$etc/sources.list.d/more.sources" <<END
Types: deb
URIs: http://disabled.test/debian
Suites: $c-updates
Components: main
Enabled: no

Types: deb deb-src
URIs: https://security.test/debian-security
Suites: $c-security
Components: main
Signed-By:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 inline
END
echo "deb http://vendor.test/apt tool-$c main" >"$etc/sources.list.d/vendor.list"
echo "deb http://ignored.test/debian $c main" >"$etc/sources.list.d/old.list.disabled"

expected="http://mirror.test/debian $c /etc/os-release main contrib
https://security.test/debian-security $c-security - main"
actual=$(APT_ETC=$etc "$script")
[ "$actual" = "$expected" ] || { printf 'entries:\n%s\nexpected:\n%s\n' "$actual" "$expected"; exit 1; }
lines=$(APT_ETC=$etc "$script" --list deb-src)
[ "$lines" = "deb-src [signed-by=/etc/os-release] http://mirror.test/debian $c main contrib
deb-src https://security.test/debian-security $c-security main" ] || { printf 'lines:\n%s\n' "$lines"; exit 1; }
mirror=$(APT_ETC=$etc "$script" --mirror)
[ "$mirror" = http://mirror.test/debian ] || { echo "mirror: $mirror"; exit 1; }
# Without an entry of this release both fail.
echo "deb http://vendor.test/apt tool-$c main" >"$etc/sources.list"
rm "$etc/sources.list.d/more.sources"
! APT_ETC=$etc "$script" 2>/dev/null || { echo "no entry, yet success"; exit 1; }
! APT_ETC=$etc "$script" --mirror 2>/dev/null || { echo "no mirror, yet success"; exit 1; }
echo "debian-sources: as expected"
