#!/usr/bin/env bash
# The Debian package end to end: built with CPack from the build folder,
# checked for its files and dependencies, installed with dpkg into a scratch
# root, the installed till started headless on a fresh SQLite shop made by
# the installed brevalon-db, its login keypad seen and used, and lintian run
# on the package (errors fail; warnings are listed).
#
#   tests/package/test-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out=$build/test-package
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg dpkg-deb dpkg-shlibdeps lintian xvfb-run xdotool import objdump file; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps.sh installs it)"
done

rm -rf "$out"
mkdir -p "$out"
echo "== building the package"
(cd "$build" && cpack --config CPackConfig.cmake -B "$out/cpack" -D CPACK_OUTPUT_FILE_PREFIX="$out/pkg") \
  >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$(ls "$out"/pkg/brevalon_*.deb)
echo "$deb"

echo "== contents and control fields"
dpkg-deb -c "$deb" | awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }' >"$out/contents.txt"
for path in ./opt/zendrik/bin/brevalon ./opt/zendrik/bin/brevalon-db ./opt/zendrik/powerlogo.png \
  ./opt/zendrik/share/Brevalon/splash.png ./opt/zendrik/share/Brevalon/English/InvoiceHead.html \
  ./opt/zendrik/Brevalon/i18n/German.qm ./opt/zendrik/help/Brevalon/index.html \
  ./opt/zendrik/help/Brevalon/brevalon.qch ./opt/zendrik/help/Brevalon/brevalon.qhc \
  ./usr/share/applications/brevalon.desktop ./usr/share/icons/hicolor/48x48/apps/brevalon.png \
  ./usr/share/icons/hicolor/256x256/apps/brevalon.png ./usr/share/doc/brevalon/copyright \
  ./usr/share/doc/brevalon/changelog.gz ./usr/share/man/man1/brevalon.1.gz \
  "./usr/bin/brevalon -> /opt/zendrik/bin/brevalon" "./usr/bin/brevalon-db -> /opt/zendrik/bin/brevalon-db"; do
  grep -qxF "$path" "$out/contents.txt" || fail "the package lacks $path"
done
# Every program installed into bin/ is reachable by name.
for program in $(grep -o '^\./opt/zendrik/bin/brevalon[^/ ]*$' "$out/contents.txt"); do
  name=${program##*/}
  grep -qxF "./usr/bin/$name -> /opt/zendrik/bin/$name" "$out/contents.txt" || fail "no /usr/bin link to $name"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# What is loaded at run time rather than linked: the database drivers, the
# platform plug-ins, the spooler's commands.
needed=(libqt6sql6-mysql libqt6sql6-sqlite qt6-qpa-plugins cups-client)
# And the package of every library that a program links.
dpkg-deb -x "$deb" "$out/unpacked"
libraries=$(ldconfig -p)
for program in "$out"/unpacked/opt/zendrik/bin/*; do
  [[ "$(file -b "$program")" == ELF* ]] || continue
  for lib in $(objdump -p "$program" | awk '/NEEDED/ { print $2 }'); do
    path=$(awk -v l="$lib" '$1 == l && !found { print $NF; found = 1 }' <<<"$libraries")
    [ -n "$path" ] || fail "${program##*/} links $lib, which is not installed"
    # dpkg knows a library by one of its names (merged /usr: /lib or /usr/lib).
    owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null || true)
    package=${owner%%:*}
    [ -n "$package" ] || fail "no package owns $path"
    needed+=("$package")
  done
done
declared=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for dep in $(printf '%s\n' "${needed[@]}" | sort -u); do
  grep -qxF "$dep" <<<"$declared" || fail "Depends lacks $dep"
done
echo "Depends names the packages of every linked library and of the drivers"

echo "== installing into a scratch root"
root=$out/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
: >"$root/var/lib/dpkg/status"
# The scratch root's own database knows none of the dependencies; the
# machine has them.
dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" >"$out/dpkg.log" 2>&1 ||
  { cat "$out/dpkg.log"; fail "dpkg -i failed"; }
grep -q '^Status: install ok installed' <(dpkg --root="$root" -s brevalon) || fail "dpkg does not list brevalon as installed"
prefix=$root/opt/zendrik
[ -x "$prefix/bin/brevalon" ] || fail "no installed program"

echo "== the installed programs"
"$prefix/bin/brevalon" --version | tee "$out/version.txt"
grep -qx "Brevalon [0-9.]*" "$out/version.txt" || fail "brevalon --version says something else"
"$prefix/bin/brevalon" --help | grep -q "brevalon-db configure" || fail "brevalon --help does not say how to configure"
"$prefix/bin/brevalon-db" --help | grep -q "create-database" || fail "brevalon-db --help lacks the installer commands"

home=$out/home
mkdir -p "$home"
db() { HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/brevalon-db" "$@"; }
db configure --driver QSQLITE --name "$out/shop.db" --install-dir "$prefix"
db new-shop --shop-name "Package Test Kitchen" --admin-code 4321
db check | tee "$out/check.txt"
grep -q "shop: Package Test Kitchen" "$out/check.txt" || fail "check does not see the new shop"

echo "== the installed till, headless"
cat >"$out/till.sh" <<TILL
set -u
export HOME="$home"
"$prefix/bin/brevalon" >"$out/till.log" 2>&1 &
till=\$!
login=\$(timeout 60 xdotool search --sync --onlyvisible --name '^Brevalon - Login\$' | head -1)
if [ -z "\$login" ]; then echo "no login keypad"; kill \$till; exit 1; fi
sleep 1
import -window root "$out/login.png"
xdotool windowfocus --sync "\$login" type --delay 50 4321
# The keypad may have taken the code already.
xdotool key --window "\$login" Return 2>/dev/null
main=\$(timeout 30 xdotool search --sync --name '^Brevalon - Admin Logged in at ' | head -1)
sleep 1
import -window root "$out/logged-in.png"
kill \$till
wait \$till 2>/dev/null
[ -n "\$main" ] || { echo "the keypad did not log Admin in"; exit 1; }
echo "login keypad seen and Admin logged in"
TILL
xvfb-run -a -s "-screen 0 1024x768x24" bash "$out/till.sh" || { cat "$out/till.log"; fail "the installed till did not start"; }

echo "== lintian"
status=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$out/lintian.txt" 2>&1 || status=$?
cat "$out/lintian.txt"
[ $status -eq 0 ] || fail "lintian reports errors"
echo "lintian: $(grep -c '^E:' "$out/lintian.txt" || true) errors, $(grep -c '^W:' "$out/lintian.txt" || true) warnings"
echo "PASS"
