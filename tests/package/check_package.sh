#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack and checks it as a desktop would see it:
# its control fields, every file it installs and nothing else, the program
# starting from the unpacked tree (--version) and drawing a graph with the
# graph library it loads from its private folder, the desktop entry, metainfo
# and manual page valid, and no error from lintian.
# Usage: check_package.sh BUILD_DIR VERSION
# Exits 77 (skipped) when a packaging tool is missing; install-deps.sh --test
# installs them all.
set -euo pipefail

build=$1
version=$2
id=org.example.Vorantel

for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate file objdump; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh --test installs it)"
        exit 77
    fi
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The package, in BUILD_DIR/package where README.md says it is.
out=$build/package
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out.log" 2>&1 ||
    { cat "$out.log"; echo "FAIL: cpack"; exit 1; }
deb=$out/vorantel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$out"; echo "FAIL: no $deb"; exit 1; }
echo "package: $deb ($(stat -c %s "$deb") bytes)"

# Control fields: the libraries found by dpkg-shlibdeps and what the program
# loads at run time.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vorantel ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = math ] || fail "Section is '$(field Section)'"
[ "$(field Priority)" = optional ] || fail "Priority is '$(field Priority)'"
depends=$(field Depends)
for need in libc6 libstdc++6 libflint17 libgmp10 libqt6core6 libqt6gui6 libqt6widgets6 \
    libqt6charts6 qt6-qpa-plugins libqt6svg6 fonts-ipafont-gothic fonts-ipafont-mincho fonts-texgyre; do
    case ", $depends," in
        *", $need,"* | *", $need ("*) ;;
        *) fail "Depends lacks $need: $depends" ;;
    esac
done

# Exactly these files, and each where the desktop looks for it.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
icons=usr/share/icons/hicolor
expected=(
    usr/bin/vorantel
    usr/lib/vorantel/libvorantel_graph.so
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/man/man1/vorantel.1.gz
    usr/share/doc/vorantel/copyright
    usr/share/doc/vorantel/changelog.gz
    $icons/scalable/apps/vorantel.svg
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("$icons/${size}x${size}/apps/vorantel.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort) ||
    fail "the package installs other files than these (< expected, > installed)"
echo "installs:"
(cd "$root" && find . -type f -printf '  /%P %s bytes\n' | sort)

for size in "${sizes[@]}"; do
    file "$root/$icons/${size}x${size}/apps/vorantel.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x${size} icon is not a PNG of that size"
done
if grep -q "<text" "$root/$icons/scalable/apps/vorantel.svg"; then
    fail "the SVG icon draws text, which depends on the installed fonts"
fi

# The program starts from the unpacked tree.
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/vorantel" --version) ||
    fail "vorantel --version failed"
[ "$printed" = "Vorantel $version" ] || fail "vorantel --version printed '$printed'"

# The program links no chart, SVG or OpenGL library: it loads the graph
# library from /usr/lib/vorantel, found from the unpacked tree as installed,
# and draws a graph with it offscreen.
needed=$(objdump -p "$root/usr/bin/vorantel" | awk '$1 == "NEEDED" { print $2 }')
if grep -E 'Qt6(Charts|Svg|OpenGL)' <<<"$needed"; then
    fail "vorantel links the libraries of the graph library itself"
fi
printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u VORANTEL_GRAPH_LIBRARY \
    "$root/usr/bin/vorantel" --graph-check 2>&1) || fail "vorantel --graph-check failed: $printed"
echo "$printed"
grep -q "^graph-check ok image=" <<<"$printed" || fail "vorantel --graph-check printed '$printed'"

# The desktop entry starts that program and names that icon; the metainfo
# names the desktop entry.
desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Exec=vorantel" "$desktop" || fail "the desktop entry does not start vorantel"
grep -qx "Icon=vorantel" "$desktop" || fail "the desktop entry does not name the icon vorantel"
grep -q "^Keywords=" "$desktop" || fail "the desktop entry has no Keywords"
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
# The screenshots' addresses cannot be fetched here.
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# The manual page renders without a warning.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/vorantel.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man page warnings: $warnings"

# lintian: warnings are printed, errors fail.
status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
report=$(grep -v "^running with root privileges" <<<"$report" || true)
echo "lintian:"
echo "${report:-  (nothing)}"
if [ "$status" -ne 0 ] || grep -q "^E: " <<<"$report"; then
    fail "lintian reports errors (exit status $status)"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "package checks passed"
