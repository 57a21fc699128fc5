# shellcheck shell=bash
# Sourced by the Windows build scripts: Debian packages they need and Debian
# source packages they build from.

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi

# Installs those of the given Debian packages that are missing.
require_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        "${sudo[@]}" apt-get update -qq
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# Downloads the source package $1 of the release apt follows into the folder
# $2; apt skips the files already there.
download_debian_source() {
    if ! grep -rqs "^[^#]*deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
        echo "Adding a deb-src entry for bookworm main"
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
            "${sudo[@]}" tee /etc/apt/sources.list.d/photoalbum-deb-src.sources >/dev/null
        "${sudo[@]}" apt-get update -qq
    fi
    mkdir -p "$2"
    (cd "$2" && apt-get source --download-only "$1" >/dev/null)
}
