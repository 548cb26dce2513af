#!/usr/bin/env bash
# Builds the Windows release programs, signs them, packs them into the Windows Installer package with wixl
# (package/ZWInterfaceSetup.wxs) and signs the package: build/package/ZWInterfaceSetup-<version>-x64.msi.
# Installs what it needs, like the other scripts. docs/deployment.md says what the package does.
#
#   scripts/package.sh                    the project's version (CMakeLists.txt), programs from build/windows
#   ZW_VERSION=X.Y.Z scripts/package.sh   another version: the programs relinked as X.Y.Z from build/windows's
#                                         libraries in build/package/windows-X.Y.Z (package/versioned)
#
# Signing: ZW_SIGN_PFX names a PKCS#12 file with the code-signing certificate and its key, ZW_SIGN_PASSWORD
# its password; ZW_SIGN_TIMESTAMP_URL, an RFC 3161 time-stamp server, adds a time stamp. Without ZW_SIGN_PFX
# a throwaway test certificate signs: build/package/test-signing.crt, which nothing trusts but
#   osslsigncode verify -CAfile build/package/test-signing.crt FILE
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/package

scripts/install-deps.sh
mkdir -p "$out"
cmake --preset windows >/dev/null
cmake --build --preset windows --target ZWInterfaceSetup zwsettings >/dev/null
programs=$root/build/windows
if [ -n "${ZW_VERSION:-}" ]; then
    programs=$out/windows-$ZW_VERSION
    cmake -S package/versioned -B "$programs" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DZW_VERSION="$ZW_VERSION" -DZW_LIBRARIES_TREE="$root/build/windows" >/dev/null
    cmake --build "$programs" -j2 >/dev/null
fi
version=$(cat "$programs/product-version.txt")

# The product code: new for every version, the same for every build of one version (a name-based UUID,
# version 5, of the version in the upgrade code's namespace). The upgrade code never changes.
wxs=package/ZWInterfaceSetup.wxs
upgrade_code=$(sed -n 's/.* UpgradeCode="\([0-9A-F-]*\)".*/\1/p' "$wxs")
product_code() {
    local namespace hash variant
    namespace=$(tr -d - <<<"$upgrade_code")
    # shellcheck disable=SC2059 # the namespace's bytes, as \x escapes
    hash=$({ printf "$(sed 's/../\\x&/g' <<<"$namespace")"; printf '%s' "ZWInterfaceSetup x64 $1"; } | sha1sum)
    variant=$(printf '%x' $((0x${hash:16:1} & 0x3 | 0x8)))
    hash=${hash:0:12}5${hash:13:3}$variant${hash:17:15}
    echo "${hash:0:8}-${hash:8:4}-${hash:12:4}-${hash:16:4}-${hash:20:12}" | tr a-f A-F
}

# The signing certificate: the practice's real one, or a throwaway test one made here (never committed).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "${ZW_SIGN_PFX:-}" ]; then
    [ -f "$ZW_SIGN_PFX" ] || { echo "package: no certificate file $ZW_SIGN_PFX" >&2; exit 1; }
    # The password goes through a file only this user can read, never on a command line.
    (umask 077 && printf '%s' "${ZW_SIGN_PASSWORD:-}" >"$work/password")
    signer=(-pkcs12 "$ZW_SIGN_PFX" -readpass "$work/password")
else
    crt=$out/test-signing.crt
    key=$out/test-signing.key
    if [ ! -f "$key" ] || ! openssl x509 -checkend 86400 -noout -in "$crt" >/dev/null 2>&1; then
        openssl req -x509 -newkey rsa:3072 -nodes -sha256 -days 30 -keyout "$key" -out "$crt" \
            -subj "/O=ZELT/CN=ZELT Windows test signing (untrusted)" \
            -addext "basicConstraints=critical,CA:FALSE" -addext "keyUsage=critical,digitalSignature" \
            -addext "extendedKeyUsage=codeSigning" 2>/dev/null
        chmod 600 "$key"
        echo "package: made a throwaway test signing certificate $crt"
    fi
    signer=(-certs "$crt" -key "$key")
fi
[ -z "${ZW_SIGN_TIMESTAMP_URL:-}" ] || signer+=(-ts "$ZW_SIGN_TIMESTAMP_URL")
sign() { # sign IN OUT
    osslsigncode sign "${signer[@]}" -h sha256 -n "ZELT Windows Interface Setup" -in "$1" -out "$2" >/dev/null
}

# The programs are signed before they go into the package, the package after.
stage=$out/stage-$version
rm -rf "$stage"
mkdir -p "$stage"
for program in ZWInterfaceSetup.exe ZWSettings.exe; do
    sign "$programs/$program" "$stage/$program"
done
cp src/win32/app/icon.ico "$wxs" "$stage/"
msi=$out/ZWInterfaceSetup-$version-x64.msi
# wixl takes the files' names relative to the folder it runs in.
(cd "$stage" && wixl --arch x64 -D Version="$version" -D ProductCode="$(product_code "$version")" \
    -o "$work/package.msi" "$(basename "$wxs")")
rm -f "$msi"
sign "$work/package.msi" "$msi"
rm -rf "$stage"
echo "package: $msi ($(du -k "$msi" | cut -f1) KB, version $version)"
