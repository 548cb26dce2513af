#!/usr/bin/env bash
# Puts the SQLite3 Multiple Ciphers amalgamation (sqlite3.c, sqlite3.h) into DEST, taken from a registry
# package pinned to an exact version and integrity hash. Nothing third-party is committed to the repository.
set -euo pipefail
dest=${1:?usage: fetch-sqlite.sh DEST}
package=better-sqlite3-multiple-ciphers@13.0.3 # its deps/sqlite3: SQLite3 Multiple Ciphers 2.4.0 on SQLite 3.53.4
integrity=UYabM82r1J84TLWc/SszoHs6XopWpl/2HCg3Nui1JUaFXg/VLswzkPowYiRhK/4CftI8dgtikwyZQecMldrGxQ==
version='SQLite3 Multiple Ciphers 2.4.0'

if [ -f "$dest/sqlite3.c" ] && [ -f "$dest/sqlite3.h" ] && grep -q "\"$version\"" "$dest/sqlite3.h"; then
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
