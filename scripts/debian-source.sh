# shellcheck shell=bash disable=SC2034 # the scripts that source this use its variables
# Sourced by the scripts that build a library from this Debian release's own source: where the
# builds are kept (TOMBOLIX_CACHE, default /var/cache/tombolix as root, else ~/.cache/tombolix),
# root through sudo where needed, and the source itself.

as_root=() cache=${TOMBOLIX_CACHE:-/var/cache/tombolix}
((EUID == 0)) || as_root=(sudo) cache=${TOMBOLIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tombolix}

# apt-get source needs a deb-src entry for this release; Debian's images ship only binary ones.
need_deb_src()
{
    local sources=/etc/apt/sources.list.d/tombolix-deb-src.sources suite
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    apt-get indextargets --format '$(TARGET_OF) $(CODENAME)' 2>/dev/null \
        | grep -qx "deb-src $suite" && return 0
    echo "debian-source: adding $sources for $suite" >&2
    # The installed packages may come from a point release or a security update.
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
        "Suites: $suite $suite-updates" 'Components: main' \
        'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' '' \
        'Types: deb-src' 'URIs: http://deb.debian.org/debian-security' "Suites: $suite-security" \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' \
        | "${as_root[@]}" tee "$sources" >/dev/null
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update >&2
}

# unpack_source PACKAGE VERSION FOLDER: unpacks that source, Debian's patches applied, into
# FOLDER and prints the source tree's path.
unpack_source()
{
    need_deb_src
    echo "debian-source: fetching the $1 $2 source into $3" >&2
    (cd "$3" && apt-get source --only-source "$1=$2" >&2) || return 1
    find "$3" -maxdepth 1 -mindepth 1 -type d -name "$1-*" | head -n 1 | grep .
}
