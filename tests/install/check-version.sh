#!/usr/bin/env bash
# The version of CMake's project() is the one every other place shows: the Debian package's
# newest changelog entry, the metainfo's newest release and ampora-cli --version.
#   check-version.sh <project version> <source folder> <ampora-cli>
set -euo pipefail
version=$1 src=$2 cli=$3
status=0
agree() {
  if [ "$2" = "$version" ]; then
    echo "$1: $2"
  else
    echo "$1 says \"$2\", CMake's project() says \"$version\""
    status=1
  fi
}
# "ampora (1.0) unstable; ...": the part before a Debian revision is the program's version.
changelog=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' "$src/debian/changelog")
agree debian/changelog "${changelog%-*}"
# The newest release comes first.
release=$(grep -o '<release [^>]*version="[^"]*"' "$src/resources/desktop/org.ampora.Ampora.metainfo.xml" \
  | head -n 1 | sed 's/.*version="\([^"]*\)"/\1/')
agree "metainfo release" "$release"
agree "ampora-cli --version" "$("$cli" --version | sed -n 's/^ampora-cli //p')"
exit $status
