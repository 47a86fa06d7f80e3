#!/usr/bin/env bash
# The package's maintainer scripts: sound for the shell dpkg runs them with,
# and run against stand-ins for the desktop's database tools. postinst
# refreshes the three databases on configure and postrm on remove and purge,
# neither at any other step; missing tools, or an icon cache that fails, do
# not fail the package.
set -uo pipefail
scripts=$(cd "$(dirname "$0")/../../packaging/debian" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
for s in postinst postrm; do
  [ "$(head -n 1 "$scripts/$s")" = "#!/bin/sh" ] && [ -x "$scripts/$s" ] ||
    fail "$s is not an executable /bin/sh script"
  /bin/sh -n "$scripts/$s" || fail "$s: syntax"
done
# Stand-ins that write down how they were called; the icon cache's fails on request.
mkdir "$scratch/bin" "$scratch/none"
for tool in update-mime-database update-desktop-database gtk-update-icon-cache; do
  printf '#!/bin/sh\necho "%s $*" >>"%s/calls"\n[ "%s" != gtk-update-icon-cache ] || [ ! -e "%s/icons-fail" ]\n' \
    "$tool" "$scratch" "$tool" "$scratch" >"$scratch/bin/$tool"
  chmod +x "$scratch/bin/$tool"
done
run() {  # SCRIPT STEP FOLDER-OF-TOOLS: the script's exit status; its calls in $scratch/calls
  : >"$scratch/calls"
  PATH=$3 /bin/sh "$scripts/$1" "$2" >/dev/null 2>&1
}
refreshed="update-mime-database /usr/share/mime
update-desktop-database -q /usr/share/applications
gtk-update-icon-cache -q -t -f /usr/share/icons/hicolor"
for step in "postinst configure" "postrm remove" "postrm purge"; do
  read -r script arg <<<"$step"
  run "$script" "$arg" "$scratch/bin" || fail "$step failed"
  [ "$(cat "$scratch/calls")" = "$refreshed" ] || fail "$step called: $(cat "$scratch/calls")"
  touch "$scratch/icons-fail"
  run "$script" "$arg" "$scratch/bin" || fail "$step failed with the icon cache"
  rm "$scratch/icons-fail"
  run "$script" "$arg" "$scratch/none" || fail "$step failed without the tools"
done
for step in "postinst abort-upgrade" "postrm upgrade" "postrm failed-upgrade"; do
  read -r script arg <<<"$step"
  run "$script" "$arg" "$scratch/bin" || fail "$step failed"
  [ ! -s "$scratch/calls" ] || fail "$step called: $(cat "$scratch/calls")"
done
[ $status -eq 0 ] && echo "maintainer scripts test passed"
exit $status
