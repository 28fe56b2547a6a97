#!/usr/bin/env bash
# Proves the README's two commands on a bare Debian 12 or 13: in a throwaway minbase root holding
# the committed tree, it runs the test command and then the run command under chroot, copies what
# they made to /var/tmp/tombolix-fresh-SUITE and removes the root, also when interrupted.
#   sudo bash scripts/fresh-debian.sh [bookworm (default) | trixie [REVISION (HEAD)]]
# TOMBOLIX_MIRROR names another mirror than the host's own; TOMBOLIX_CACHE a host folder that
# keeps the Qt for Windows that a fresh root builds, for the next run.
set -uo pipefail

suite=${1:-bookworm}
run_seconds=60 # the program starts in seconds once the tests have built it

# Inside a mount namespace of its own: every mount made here goes away with the namespace, even if
# this process is killed, so nothing can stay mounted over the host's /dev or /proc.
if [[ ${1-} == --inside ]]; then
    suite=$2 root=$3 mirror=$4 cache=$5 results=$6
    unmount_all()
    {
        local target
        for target in var/cache/tombolix dev/shm dev/pts dev sys proc tmp; do
            mountpoint -q "$root/$target" && umount -l "$root/$target"
        done
    }
    trap unmount_all EXIT

    echo "=== debootstrap --variant=minbase $suite from $mirror"
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
        || { tail -n 30 "$root.debootstrap.log"; exit 1; }
    mkdir -p "$root/root/tombolix"
    tar -x -C "$root/root/tombolix" <"$root.tar" || exit 1
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"

    mount -t proc proc "$root/proc" && mount -t sysfs sysfs "$root/sys" \
        && mount --bind /dev "$root/dev" && mount --make-private "$root/dev" \
        && mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts" \
        && mount -t tmpfs tmpfs "$root/dev/shm" && mount -t tmpfs tmpfs "$root/tmp" || exit 1
    if [[ -n $cache ]]; then
        mkdir -p "$cache" "$root/var/cache/tombolix" \
            && mount --bind "$cache" "$root/var/cache/tombolix" || exit 1
    fi

    inside()
    {
        chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            bash -c "cd /root/tombolix && $1"
    }

    echo "=== the test command: bash scripts/test.sh"
    start=$SECONDS
    inside 'bash scripts/test.sh' 2>&1 | tee "$root.test.log"
    test_rc=${PIPESTATUS[0]}
    echo "=== test command: exit $test_rc after $((SECONDS - start)) s"

    # The run command under a timeout: the window must show, and the program must still be
    # running when the timeout ends it (exit 124).
    echo "=== the run command: timeout $run_seconds bash scripts/run.sh, under Xvfb"
    cat >"$root/tmp/run-check.sh" <<'CHECK'
seconds=$1
timeout "$seconds" bash scripts/run.sh >/tmp/run.log 2>&1 &
runner=$!
source scripts/checks.sh
window=$(wait_for_window $((seconds - 10)) --onlyvisible --name "^$window_title\$")
wait "$runner"
rc=$?
echo "window shown: ${window:-none}"
tail -n 5 /tmp/run.log
echo "run command: exit $rc (124: still running when the timeout ended it)"
[[ -n $window && $rc == 124 ]]
CHECK
    start=$SECONDS
    inside "xvfb-run -a bash /tmp/run-check.sh $run_seconds"
    run_rc=$?
    echo "=== run command: $([[ $run_rc == 0 ]] && echo ok || echo FAILED) after $((SECONDS - start)) s"
    mkdir -p "$results"
    (cd "$root/root/tombolix" && cp -r --parents build/*.deb build-win/*.zip build-win/*.msi \
        build-win/screenshots build-win/wine-test.log "$results/" 2>/dev/null)
    cp "$root.test.log" "$results/test.log"
    ((test_rc == 0 && run_rc == 0))
    exit
fi

[[ $(id -u) -eq 0 ]] \
    || { echo "fresh-debian: needs root (debootstrap, mounts and chroot)" >&2; exit 1; }
cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
self=$PWD/scripts/fresh-debian.sh
[[ $suite == bookworm || $suite == trixie ]] \
    || { echo "fresh-debian: SUITE is bookworm or trixie, not '$suite'" >&2; exit 2; }
revision=${2:-HEAD}
results=/var/tmp/tombolix-fresh-$suite
# unshare comes with util-linux, which every Debian has.
command -v debootstrap >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends debootstrap </dev/null >/dev/null || exit 1
# The host's own mirror, as its apt sources name it.
mirror=${TOMBOLIX_MIRROR:-$(grep -hoE '^(URIs:|deb) +https?://[^ ]+' /etc/apt/sources.list \
    /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null \
    | grep -v -- '-security' | awk '{print $2}' | head -n 1)}
[[ -n $mirror ]] \
    || { echo "fresh-debian: no Debian mirror in /etc/apt; set TOMBOLIX_MIRROR" >&2; exit 1; }

work=$(mktemp -d /var/tmp/tombolix-fresh.XXXXXX) || exit 1
root=$work/root
inner=
cleanup()
{
    trap - EXIT INT TERM
    [[ -z $inner ]] || { kill -TERM "$inner"; wait "$inner"; } 2>/dev/null
    # The mounts lived in the inner namespace only; check anyway before deleting anything.
    if grep -q " $root" /proc/self/mountinfo; then
        echo "fresh-debian: something is still mounted under $root; not removing it" >&2
        exit 1
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "fresh-debian: interrupted" >&2; exit 130' INT TERM

git archive --format=tar "$revision" >"$root.tar" || exit 1
echo "fresh-debian: $(git rev-parse --short "$revision") on $suite in $root"
rm -rf "$results"
start=$SECONDS
unshare --mount --propagation private "$self" --inside "$suite" "$root" "$mirror" \
    "${TOMBOLIX_CACHE:-}" "$results" &
inner=$!
wait "$inner"
rc=$?
inner=
echo "fresh-debian: $suite $([[ $rc == 0 ]] && echo passed || echo FAILED) in $((SECONDS - start)) s; what it made is in $results"
exit "$rc"
