#!/usr/bin/env bash
# Cross-builds Tombolix for 64-bit Windows into build-win/ and packs it there:
#   Tombolix-<version>-win64.zip   the portable folder: the program, exactly the DLLs and plugins
#                                  it loads, the example classes and README.txt
#   Tombolix-<version>-win64.msi   a per-machine installer, built with wixl
# Installs what is missing, and builds Qt for Windows once per machine
# (scripts/build-qt-windows.sh). scripts/wine-test.sh then tests all of it under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD
out=$root/build-win
triple=x86_64-w64-mingw32

# Beyond what the Linux build needs, which scripts/install-deps.sh installs too.
bash scripts/install-deps.sh \
    g++-mingw-w64-x86-64-posix mingw-w64-tools `# the cross compiler and windres` \
    wixl zip `# the installer and the portable zip` \
    wine64 imagemagick locales `# scripts/wine-test.sh`

qt=$(bash scripts/build-qt-windows.sh | tail -n 1)

cmake -S . -B "$out" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTOMBOLIX_WERROR=ON -DTOMBOLIX_BENCH=OFF
cmake --build "$out" --parallel "$(nproc)"

version=$(<"$out/package/version")
name=Tombolix-$version-win64
stage=$out/package/$name
rm -rf "$stage"
mkdir -p "$stage"

# Where the DLLs that the program and Qt import live; any other import is part of Windows. The
# compiler's runtime folder is named after its version, so the compiler is asked for it.
runtime=$(dirname "$("$triple-g++-posix" -print-libgcc-file-name)")
dll_dirs=("$qt/bin" "$runtime" "/usr/$triple/lib")
declare -A copied=()
dll_path()
{
    local dir
    for dir in "${dll_dirs[@]}"; do
        find "$dir" -maxdepth 1 -iname "$1" -print -quit
    done | head -n 1
}
# Copies what binary imports, and what those import, next to the program.
deploy_imports()
{
    local dll path
    for dll in $("$triple-objdump" -p "$1" | sed -n 's/^\s*DLL Name: \(.*\)$/\1/p'); do
        [[ -n ${copied[${dll,,}]:-} ]] && continue
        copied[${dll,,}]=1
        path=$(dll_path "$dll")
        [[ -n $path ]] || continue
        cp "$path" "$stage/"
        deploy_imports "$path"
    done
}
# qt_standard_project_setup() puts every Windows executable at the top of the build folder.
cp "$out/Tombolix.exe" "$stage/"
deploy_imports "$stage/Tombolix.exe"
# Qt loads plugins by name: the window system, and the native look, whose plugin is
# qwindowsvistastyle in Qt 6.4 and qmodernwindowsstyle from 6.7 on.
for plugin in "$qt/plugins/platforms/qwindows.dll" "$qt"/plugins/styles/*.dll; do
    plugin=${plugin#"$qt/plugins/"}
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$stage/$plugin"
    deploy_imports "$stage/$plugin"
done
find "$stage" -name '*.dll' -o -name '*.exe' | xargs "$triple-strip" --strip-unneeded
cp -r examples "$stage/examples"
# Beside the program, so that a double-click opens the example class at once.
cp packaging/windows/rand.ini "$stage/"
cp "$out/package/README.txt" "$stage/"

rm -f "$out/$name.zip"
(cd "$out/package" && zip -qrX "$out/$name.zip" "$name")

# wixl wants every file and folder spelled out: the program and its shortcut are in
# Tombolix.wxs, the rest of the portable folder is listed here.
refs=()
list_folder()
{
    local dir=$1 id=$2 entry base key
    for entry in "$stage/$dir"*; do
        base=${entry##*/}
        [[ $dir$base == Tombolix.exe ]] && continue
        key=$id.${base//[^A-Za-z0-9_.]/_}
        if [[ -d $entry ]]; then
            echo "<Directory Id=\"$key\" Name=\"$base\">"
            list_folder "$dir$base/" "$key"
            echo '</Directory>'
        else
            echo "<Component Id=\"c.$key\" Guid=\"*\" Win64=\"yes\">"
            echo "<File Id=\"f.$key\" Name=\"$base\" Source=\"$name/$dir$base\" KeyPath=\"yes\"/>"
            echo '</Component>'
            refs+=("c.$key")
        fi
    done
}
files_wxs=$out/package/files.wxs
{
    echo '<?xml version="1.0" encoding="utf-8"?>'
    echo '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi"><Fragment>'
    echo '<DirectoryRef Id="INSTALLDIR">'
    list_folder "" d
    echo '</DirectoryRef><ComponentGroup Id="PortableFiles">'
    printf '<ComponentRef Id="%s"/>\n' "${refs[@]}"
    echo '</ComponentGroup></Fragment></Wix>'
} >"$files_wxs"
# wixl takes sources relative to the folder it runs in.
(cd "$out/package" && wixl --arch x64 -D SourceDir="$name" -o "$out/$name.msi" Tombolix.wxs files.wxs)

echo "windows: $out/$name.zip ($(stat -c %s "$out/$name.zip") bytes)"
echo "windows: $out/$name.msi ($(stat -c %s "$out/$name.msi") bytes)"
