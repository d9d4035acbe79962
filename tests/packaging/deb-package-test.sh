#!/usr/bin/env bash
# Builds the Debian package, checks its contents, lintian's verdict, its AppStream data and
# its manual, installs it into a throw-away root and checks the example project with the
# installed zepc.
# usage: deb-package-test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/zep_*.deb)

dpkg-deb --contents "$deb" >"$work/contents"
for path in ./usr/lib/zep/zep ./usr/lib/zep/zepc ./usr/lib/zep/compil.exe ./usr/lib/zep/compil ./usr/lib/zep/setup \
            ./usr/lib/zep/linux-runtime/qt.conf \
            ./usr/lib/zep/icone.ico ./usr/lib/zep/autorun.ico ./usr/lib/zep/install.bat \
            ./usr/bin/zep ./usr/bin/zepc \
            ./usr/share/applications/zep.desktop ./usr/share/mime/packages/x-zep.xml \
            ./usr/share/doc/zep/copyright ./usr/share/doc/zep/changelog.gz ./usr/share/lintian/overrides/zep \
            ./usr/share/metainfo/org.example.zep.metainfo.xml ./usr/lib/zep/manuel/index.htm \
            $(cd "$source/packaging" && for page in man/*.1; do [[ -f $page ]] && echo "./usr/share/man/man1/${page#man/}.gz"; done) \
            $([[ -f $source/packaging/bash-completion/zepc ]] && echo ./usr/share/bash-completion/completions/zepc); do
  grep -q " $path\( \|$\)" "$work/contents" || { echo "missing from the package: $path"; cat "$work/contents"; exit 1; }
done
if grep -q '\.ini$\|/tmp/' "$work/contents"; then
  echo "the package carries a file the designer writes:"; grep '\.ini$\|/tmp/' "$work/contents"; exit 1
fi

# Errors fail; warnings are fixed or overridden with their reason, so they fail too.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  { echo "lintian:"; cat "$work/lintian.log"; exit 1; }

root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 ||
  { cat "$work/dpkg.log"; exit 1; }

[[ -L $root/usr/bin/zepc ]]
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.zep.metainfo.xml"
"$source/tests/packaging/manual-links-test.sh" "$root/usr/lib/zep/manuel"
for program in zep zepc setup compil; do
  if readelf -S "$root/usr/lib/zep/$program" | grep -q '\.debug_\|\.symtab'; then
    echo "$program keeps its debug information or symbols"; exit 1
  fi
done
"$root/usr/bin/zepc" check "$source/examples/demo/demo.zep"
echo "package checked"
