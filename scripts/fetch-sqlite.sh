#!/usr/bin/env bash
# Puts the SQLite amalgamation (sqlite3.c, sqlite3.h) into DEST, taken from a registry package pinned to an
# exact version and integrity hash. Nothing third-party is committed to the repository.
set -euo pipefail
dest=${1:?usage: fetch-sqlite.sh DEST}
package=better-sqlite3@12.11.1 # its deps/sqlite3 is SQLite 3.53.2
integrity=dq9AtApgg5PGFtBzPFSBl3HZQjHok5gaQCM6zh2Yk0aSmDCs1CbnVI8/HgASQkNKsWFpseIO9beg5xxpYhbIfA==

if [ -f "$dest/sqlite3.c" ] && [ -f "$dest/sqlite3.h" ]; then
    exit 0
fi
mkdir -p "$dest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "$package" >/dev/null)
tarball=$(ls "$work"/*.tgz)
actual=$(openssl dgst -sha512 -binary "$tarball" | base64 -w0)
if [ "$actual" != "$integrity" ]; then
    echo "fetch-sqlite: $package does not match its pinned integrity hash" >&2
    exit 1
fi
tar -xzf "$tarball" -C "$work" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
mv "$work/package/deps/sqlite3/sqlite3.c" "$work/package/deps/sqlite3/sqlite3.h" "$dest/"
