#!/usr/bin/env bash
# installTest.sh CHECK BUILD_DIR APP_ID, where CHECK is install or package. (The command line is the
# end-to-end tests' business: the installed program is the same program.)
set -euo pipefail
check=$1 build=$2 id=$3
work=$(mktemp -d)
installed=
cleanup() {
  set +e
  # A package check that stopped half-way still takes its package off this machine.
  [[ -n $installed ]] && aptGet purge lumenary >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# apt-get as CI runs it: no questions, and waiting for another apt or dpkg to finish rather than failing.
aptGet() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

case $check in
install)
  for f in bin/lumenary share/lumenary/Images/phases3.jpg share/lumenary/newton/newton10.bmp \
           share/lumenary/opening/tessil00.gif share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
           share/icons/hicolor/scalable/apps/$id.svg share/man/man1/lumenary.1.gz \
           share/doc/lumenary/copyright share/doc/lumenary/changelog.gz \
           share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png; do
    [[ -f $prefix/$f ]] || fail "$f is not installed"
  done
  [[ -f $prefix/share/lumenary/fonts/lumenary-tahomabd.ttf && ! -e $prefix/share/lumenary/fonts/LiberationSans-Regular.ttf ]] || fail "Tahoma with the Welsh letters is the program's own; Liberation comes from its package"
  desktop-file-validate "$prefix/share/applications/$id.desktop"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
  grep -q '^Categories=Education;Science;Physics;$' "$prefix/share/applications/$id.desktop" || fail "categories"
  # Started from elsewhere, it finds its pictures through ../share/lumenary (the model tests
  # prove the look-up; here, that the pictures are where it looks).
  ;;
package)
  (cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
  deb=$(ls "$work"/package/lumenary_*_*.deb)
  info=$(dpkg-deb --info "$deb")
  for dependency in libqt6widgets6 libqt6gui6 fonts-wine fonts-liberation2; do
    grep -q "Depends:.*$dependency" <<<"$info" || fail "the package does not depend on $dependency"
  done
  contents=$(dpkg-deb --contents "$deb")
  for f in ./usr/bin/lumenary ./usr/share/lumenary/Images/magnets1.bmp ./usr/share/applications/$id.desktop \
           ./usr/share/icons/hicolor/256x256/apps/$id.png ./usr/share/man/man1/lumenary.1.gz \
           ./usr/share/doc/lumenary/copyright ./usr/share/doc/lumenary/changelog.gz; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
  done
  version=$(dpkg-deb --field "$deb" Version)
  latest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/lumenary/changelog.gz | gzip -dc | sed -n 1p)
  [[ $latest == "lumenary ($version) "* ]] || fail "the changelog's latest entry is \"$latest\", not version $version"

  # Debian's own checks of a package: no error and no warning.
  lintian --tag-display-limit 0 --fail-on error,warning "$deb" >"$work/lintian" 2>&1 ||
    fail "lintian: $(cat "$work/lintian")"
  ! grep -E '^[EW]: ' "$work/lintian" || fail "lintian reports errors or warnings"

  # Installed with apt-get, it runs, and removed, it leaves none of its files behind.
  if [[ $(id -u) -ne 0 ]]; then
    echo "install check package: not root, so the package is not installed, started and removed here"
  elif dpkg-query -W -f='${Status}' lumenary 2>/dev/null | grep -q ' installed$'; then
    echo "install check package: lumenary is already installed on this machine and is left as it is, not installed over"
  else
    files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\.||')
    installed=yes
    aptGet install --no-install-recommends --no-remove "$deb" >"$work/apt" 2>&1 || fail "apt-get install: $(cat "$work/apt")"
    while read -r f; do [[ -f $f ]] || fail "$f is not installed"; done <<<"$files"
    [[ $(cd / && /usr/bin/lumenary --version) == "Lumenary $version" ]] || fail "the installed lumenary --version"
    aptGet purge lumenary >"$work/apt" 2>&1 || fail "apt-get purge: $(cat "$work/apt")"
    installed=
    while read -r f; do [[ ! -e $f ]] || fail "$f is left after the package is removed"; done <<<"$files"
    for d in /usr/share/lumenary /usr/share/doc/lumenary; do [[ ! -e $d ]] || fail "$d is left after the package is removed"; done
  fi
  ;;
esac
echo "install check $check: passed"
