#!/usr/bin/env bash
# The Debian package of a build, as a user gets it: cpack makes namewright_<version>_<arch>.deb from the build tree,
# dpkg -x unpacks it into a scratch root, and the programs run from there.
#
#   check_package.sh BUILD_DIR VERSION WITH_APP
#
# Checks the file name, version and dependencies of the package, its files (programs, hun.mdb and characters.db in
# one program directory, the links in usr/bin, menu entry, icons, AppStream entry, manual pages, copyright and
# changelog), the menu entry and AppStream entry with their validators, lintian (no error), and then runs
# `namewright-cli evaluate` (and describe) through the link in usr/bin and, with WITH_APP=ON, starts the window
# program through its link and waits until it holds the program directory's hun.mdb open. Nothing may change in the
# program directory. Prints one line per check; the first failure ends the run with status 1.
set -euo pipefail

build=$1
version=$2
with_app=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pass() {
    echo "ok: $*"
}

for tool in cpack dpkg dpkg-deb desktop-file-validate appstreamcli lintian python3; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh installs it)"
done

scratch=$(mktemp -d)
app_pid=
cleanup() {
    if [[ -n "$app_pid" ]]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

# The package, built into the scratch folder (not the build's own, so that a `package` target there stays as it was).
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack -G DEB"
fi
arch=$(dpkg --print-architecture)
deb=$scratch/out/namewright_${version}_${arch}.deb
[[ -f "$deb" ]] || fail "no $(basename "$deb") among: $(ls "$scratch/out")"
pass "cpack made $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[[ "$(field Package)" == namewright ]] || fail "Package is $(field Package)"
[[ "$(field Version)" == "$version" ]] || fail "Version is $(field Version), the project's is $version"
depends=$(field Depends)
required=(libc6 libstdc++6 libsqlite3-0 libmdb3 liberfa1)
if [[ "$with_app" == ON ]]; then
    required+=(libqt6core6 libqt6widgets6)
fi
for library in "${required[@]}"; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || fail "Depends lacks $library: $depends"
done
pass "version $version, dependencies from dpkg-shlibdeps: $depends"

lintian_log=$scratch/lintian.log
if ! lintian --fail-on error "$deb" >"$lintian_log" 2>&1; then
    cat "$lintian_log" >&2
    fail "lintian reports an error"
fi
pass "lintian: no error ($(grep -c '^W:' "$lintian_log" || true) warnings)"

root=$scratch/root
dpkg -x "$deb" "$root"
programs=$root/usr/lib/namewright
expected=(usr/lib/namewright/namewright-cli usr/lib/namewright/hun.mdb usr/lib/namewright/characters.db
    usr/share/man/man1/namewright-cli.1.gz usr/share/doc/namewright/copyright usr/share/doc/namewright/changelog.gz)
links=(namewright-cli)
if [[ "$with_app" == ON ]]; then
    expected+=(usr/lib/namewright/namewright usr/share/applications/namewright.desktop
        usr/share/man/man1/namewright.1.gz)
    links+=(namewright)
fi
for file in "${expected[@]}"; do
    [[ -f "$root/$file" ]] || fail "the package has no $file"
done
for program in "${links[@]}"; do
    link=$root/usr/bin/$program
    [[ -L "$link" ]] || fail "usr/bin/$program is no symbolic link"
    [[ "$(readlink -f "$link")" == "$(readlink -f "$programs/$program")" ]] ||
        fail "usr/bin/$program leads to $(readlink "$link"), not to the program directory"
done
pass "programs, hun.mdb and characters.db in usr/lib/namewright, links in usr/bin"

if [[ "$with_app" == ON ]]; then
    for size in 48 64 96 128 256; do
        icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/namewright.png
        [[ -f "$icon" ]] || fail "no ${size}x${size} icon"
        shown=$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$icon")
        [[ "$shown" == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $shown"
    done
    pass "icons 48 to 256 in hicolor, each of its size"
    desktop-file-validate "$root/usr/share/applications/namewright.desktop" || fail "desktop-file-validate"
    pass "desktop-file-validate"
    metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
    [[ ${#metainfo[@]} -eq 1 && -f "${metainfo[0]}" ]] || fail "no single AppStream entry in usr/share/metainfo"
    appstreamcli validate --no-net "${metainfo[0]}" >"$scratch/appstream.log" 2>&1 || {
        cat "$scratch/appstream.log" >&2
        fail "appstreamcli validate"
    }
    grep -q "<release version=\"$version\"" "${metainfo[0]}" || fail "the AppStream release is not $version"
    pass "appstreamcli validate, release $version"
fi

# What the program directory holds, to compare after the programs ran.
snapshot() { (cd "$programs" && find . -printf '%p %s %T@\n' | sort); }
before=$(snapshot)

cli=$root/usr/bin/namewright-cli
cd "$scratch"
[[ "$("$cli" --version)" == "namewright-cli $version" ]] || fail "--version prints $("$cli" --version)"
pass "namewright-cli --version"

evaluate=(evaluate --family 李 --given 哉栋 --date 2011-01-01 --hour 1)
"$cli" "${evaluate[@]}" >"$scratch/installed.txt" || fail "evaluate from the package: status $?"
"$build/bin/namewright-cli" "${evaluate[@]}" --db "$build/bin/hun.mdb" >"$scratch/built.txt"
grep -q "姓名：李哉栋" "$scratch/installed.txt" || fail "evaluate printed no report: $(head -c 200 "$scratch/installed.txt")"
cmp -s "$scratch/installed.txt" "$scratch/built.txt" || fail "evaluate from the package differs from the build's"
pass "namewright-cli evaluate from the package prints the report of the build's hun.mdb"

"$cli" describe --family 范 --given 统 >"$scratch/describe.txt" || fail "describe from the package: status $?"
[[ "$(head -1 "$scratch/describe.txt")" == $'pinyin\tfàn tǒng' ]] || fail "describe printed $(head -1 "$scratch/describe.txt")"
pass "namewright-cli describe reads characters.db from the program directory"

if [[ "$with_app" == ON ]]; then
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/namewright" >"$scratch/app.log" 2>&1 &
    app_pid=$!
    database=$(readlink -f "$programs/hun.mdb")
    opened=
    for _ in $(seq 300); do
        for fd in /proc/"$app_pid"/fd/*; do
            if [[ "$(readlink "$fd" 2>/dev/null)" == "$database" ]]; then
                opened=yes
                break 2
            fi
        done
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    [[ -n "$opened" ]] || fail "namewright started through usr/bin did not open $database: $(cat "$scratch/app.log")"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    pass "namewright started through usr/bin opens the program directory's hun.mdb"
fi

[[ "$(snapshot)" == "$before" ]] || fail "the program directory changed while the programs ran"
pass "the program directory is unchanged"
