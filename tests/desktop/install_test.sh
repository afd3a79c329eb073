# Installs the build into a temporary prefix and checks what a desktop
# needs: the program, its desktop entry, icons, AppStream metainfo and man
# page, each valid and naming the others alike; and that the installed
# program finds its sample course list from where it was installed.
#
#   install_test.sh BUILD-DIR VERSION APP-ID
source "$(dirname "$0")/common.sh"
build="$1"
version="$2"
app_id="$3"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
prefix="$tmp/prefix"

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log"

share="$prefix/share"
desktop="$share/applications/$app_id.desktop"
metainfo="$share/metainfo/$app_id.metainfo.xml"
manpage="$share/man/man1/quillmor.1"
check "the program is installed" [ -x "$prefix/bin/quillmor" ]
for file in "$desktop" "$metainfo" "$manpage" "$share/quillmor/sample.qmd"; do
  check "${file#"$prefix"/} is installed" [ -f "$file" ]
done
check "the installed sample is the sample" cmp -s "$share/quillmor/sample.qmd" "$source_dir/data/sample.qmd"

# Each icon is square and of the size its folder names (the PNG header
# holds width and height as 4-byte numbers at bytes 16 and 20).
for size in 16 22 24 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/quillmor.png"
  if [ -f "$icon" ]; then
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
      awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    check "icon $size is ${size}x${size} (got ${width}x${height})" \
      [ "${width}x${height}" = "${size}x${size}" ]
  else
    fail "icon ${size}x${size} is missing"
  fi
done

# The charts come from the shared Qt Charts library, which the .deb's
# dpkg-shlibdeps then names as a dependency.
check "the installed program links the Qt Charts library" \
  sh -c "readelf -d '$prefix/bin/quillmor' | grep -q 'NEEDED.*libQt6Charts'"

check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
check "appstreamcli accepts the metainfo" appstreamcli validate --no-net "$metainfo"
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$manpage" 2>&1 >/dev/null)"
check "the man page formats without warnings: $warnings" [ -z "$warnings" ]

# The pieces name each other as the desktop looks them up.
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "the entry starts the installed program" [ "$(entry Exec)" = "quillmor" ]
check "the entry's icon is the installed one" [ "$(entry Icon)" = "quillmor" ]
check "the entry groups windows of class quillmor" [ "$(entry StartupWMClass)" = "quillmor" ]
check "the entry is in Utility" grep -qx 'Categories=.*Utility;.*' "$desktop"
check "the metainfo launches the entry" \
  grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "the metainfo's release is the program's version" \
  grep -qF "<release version=\"${version// /}\"" "$metainfo"
check "the man page names the version" grep -qF "quillmor $version" "$manpage"

out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quillmor" --version)"
check "the installed program answers --version" [ "$out" = "quillmor $version" ]
if start_program "$prefix/bin/quillmor" "$tmp/data" "$tmp/data"; then
  check "the installed program gave the new folder the sample" \
    cmp -s "$tmp/data/courses.qmd" "$source_dir/data/sample.qmd"
else
  fail "the installed program did not start with a new data folder"
fi
stop_program

finish
