#!/usr/bin/env bash
# The NSIS installer: made by CPack, installed silently under Wine, and the
# installed command line asked for its version.
#   installer.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
installer=$build/package/ortavel-$version-win64.exe
rm -f "$installer"
(cd "$build" && cpack -G NSIS --config CPackConfig.cmake >cpack.log 2>&1) || { tail -30 "$build/cpack.log"; exit 1; }
[ -f "$installer" ] || { echo "no $installer"; exit 1; }
echo "$installer: $(stat -c %s "$installer") bytes"

target='C:\ortavel-installed'
unix_target=$(winepath -u "$target" 2>/dev/null | tr -d '\r')
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ortavel'
# What an interrupted earlier run left behind.
wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
rm -rf "$unix_target"
trap 'wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true; rm -rf "$unix_target"' EXIT

expected=(bin/ortavel.exe bin/ortavel-cli.exe bin/libstdc++-6.dll bin/platforms/qwindows.dll Uninstall.exe)
# Every Qt module and SQL driver copied beside the programs in the build, but
# the tests' own.
for dll in "$build"/bin/Qt6*.dll "$build"/bin/sqldrivers/*.dll; do
  if [ -f "$dll" ] && [ "${dll##*/}" != Qt6Test.dll ]; then expected+=("bin/${dll#"$build/bin/"}"); fi
done

# The window's translations, and Qt's own dialog texts in Chinese when the build machine has them.
expected+=(bin/translations/ortavel_en.qm bin/translations/ortavel_zh.qm)
[ ! -f /usr/share/qt6/translations/qtbase_zh_CN.qm ] || expected+=(bin/translations/qtbase_zh_CN.qm)

# Twice: the second is an upgrade, which removes the first silently.
for round in install upgrade; do
  wine "$installer" /S "/D=$target" || { echo "the $round failed"; exit 1; }
  for file in "${expected[@]}"; do
    [ -f "$unix_target/$file" ] || { echo "the $round left out $file"; exit 1; }
  done
  shown=$(wine "$target\\bin\\ortavel-cli.exe" --version | tr -d '\r')
  echo "$round: $shown"
  [ "$shown" = "ortavel-cli $version" ] || { echo "the installed ortavel-cli said: $shown"; exit 1; }
done
# The installed SQLite driver: a new history made and checked.
if [ -f "$build/bin/sqldrivers/qsqlite.dll" ]; then
  checked=$(wine "$target\\bin\\ortavel-cli.exe" --history "sqlite:$target\\history.sqlite" history --check |
    tr -d '\r') || { echo "the installed ortavel-cli cannot keep a history: $checked"; exit 1; }
  echo "history: $checked"
fi
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Ortavel*/Ortavel.lnk' | head -1)
[ -n "$shortcut" ] || { echo "no Start menu entry"; exit 1; }
echo "Start menu: ${shortcut#"$WINEPREFIX/"}"

# _?= keeps the uninstaller in place, so that Wine waits for it.
wine "$target\\Uninstall.exe" /S "_?=$target"
[ ! -e "$unix_target/bin/ortavel.exe" ] || { echo "the uninstaller left the programs"; exit 1; }
[ ! -e "$shortcut" ] || { echo "the uninstaller left the Start menu entry"; exit 1; }
echo "uninstalled"
