#!/usr/bin/env bash
# Packs the build tree in $1 with cpack ($2, default `cpack`) as a .deb, unpacks it and runs the
# unpacked program from an unrelated folder: the desktop entry, the icon and the tables must be
# where a Debian system looks for them, and the program must find its tables relative to itself.
set -euo pipefail
build=$(cd "$1" && pwd)
cpack=${2:-cpack}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/out" "$scratch/root" "$scratch/elsewhere"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack"; }
debs=("$scratch"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then fail "not one .deb: ${debs[*]}"; fi
deb=${debs[0]}
dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr

for f in bin/hari share/applications/hari.desktop share/icons/hicolor/scalable/apps/hari.svg \
         share/mime/packages/hari.xml \
         share/hari/data/{vbSStype,vbSUStype,vbALtype,vbWOODtype}.csv; do
    [ -f "$usr/$f" ] || fail "usr/$f is missing"
done
[ ! -e "$usr/bin/data" ] || fail "the tables are beside usr/bin"
desktop=$usr/share/applications/hari.desktop
for line in "Exec=hari %f" Icon=hari "MimeType=application/x-hari;"; do
    grep -qx "$line" "$desktop" || fail "the desktop entry lacks $line (bin/hari with a file, the icon, *.hari)"
done
# A double-click on a saved check: its type is known by its extension and opened by hari.
mime=$usr/share/mime/packages/hari.xml
grep -q '<mime-type type="application/x-hari">' "$mime" || fail "hari.xml names no application/x-hari"
grep -q '<glob pattern="\*.hari"/>' "$mime" || fail "hari.xml has no glob *.hari"
if command -v xmllint >/dev/null; then xmllint --noout "$mime" || fail "hari.xml is not XML"; fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
fi

# The libraries' packages (dpkg-shlibdeps), and what Qt loads at run time that they do not pull
# in: the platform plugins, the SVG plugins, a Japanese font, Qt's Japanese texts.
depends=$(dpkg-deb -f "$deb" Depends)
for p in libc6 libqt6widgets6 qt6-qpa-plugins libqt6svg6 fonts-noto-cjk qt6-translations-l10n; do
    [[ ", $depends," == *", $p"[\ ,]* ]] || fail "Depends lacks $p: $depends"
done

# Neither the working directory nor usr/bin holds tables: only ../share/hari/data can answer.
out=$(cd "$scratch/elsewhere" && "$usr/bin/hari" sizes --material 1 --shape 9 --format kv) \
    || fail "hari sizes exited with $?"
# data/vbSStype.csv: 9,"H-100×100×6×8",16.9,21.59,378,75.6,4.18 (shape, size, kg/m, A cm2,
# I cm4, Z cm3, i cm). The screen's mass is A x 7.85 (SS400) x 100 cm / 1000 = 16.948 kg/m,
# the weight 16.948 x 9.8 = 166.092 N/m; the boxes are size, A, mass, weight, Z, I, i.
row=$'H-100×100×6×8\t21.59\t16.95\t166.09\t75.6\t378\t4.18'
grep -qxF "$row" <<<"$out" || fail "no row '$row' in: $out"
[ "$(wc -l <<<"$out")" -gt 10 ] || fail "too few sizes: $out"
# What Debian asks of a package: the copyright and changelog, a manual page for the command.
doc=$usr/share/doc/hari
#[ -f "$doc/copyright" ] || fail "usr/share/doc/hari/copyright is missing"
#gzip -t "$doc/changelog.gz" 2>/dev/null || fail "usr/share/doc/hari/changelog.gz is missing or not gzip"
#gzip -t "$usr/share/man/man1/hari.1.gz" 2>/dev/null || fail "usr/share/man/man1/hari.1.gz is missing"
# The manual page covers every command `hari --help` lists.
manual=$(zcat "$usr/share/man/man1/hari.1.gz")
for command in $("$usr/bin/hari" --help | sed -n 's/^ *\(usage: \)\?hari \([a-z]\+\) .*/\2/p'); do
    grep -q "^\.B hari $command\b" <<<"$manual" || fail "the manual page lacks hari $command"
done

# lintian where it is installed: no error and no warning (the overrides are the package's own).
if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 \
        || { cat "$scratch/lintian.log"; fail "lintian"; }
    ! grep -E '^[EW]: ' "$scratch/lintian.log" || fail "lintian reports the lines above"
else
    echo "lintian is not installed: the package's lint is not checked"
fi
echo "ok: $(basename "$deb")"
