#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, unpacks it into a scratch root and
# runs the unpacked program there as a user who cannot write to it: --version, --help and -v on
# the bundled sample, and its bash completion (when bash-completion is installed). Then lintian
# checks the package (no errors allowed) and appstreamcli the metainfo file.
#   scripts/test-package.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
fail() { echo "test-package: $*" >&2; exit 1; }

rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
arch=$(dpkg --print-architecture)
deb="$build/package/tavmir_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no package $deb"
echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in *libqt6widgets6*) ;; *) fail "the dependencies name no Qt 6 library" ;; esac

scratch=$(mktemp -d)
chmod 755 "$scratch"
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/tavmir usr/share/tavmir/mset.dat usr/share/tavmir/template.dat \
         usr/share/applications/tavmir.desktop usr/share/icons/hicolor/scalable/apps/tavmir.svg \
         usr/share/metainfo/org.tavmir.Tavmir.metainfo.xml usr/share/man/man1/tavmir.1.gz \
         usr/share/bash-completion/completions/tavmir \
         usr/share/doc/tavmir/copyright usr/share/doc/tavmir/examples/arena.cfg; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done
chmod -R a+rX,go-w "$root"

# The user who runs the program: 'nobody' when this runs as root, else the caller with the
# unpacked tree made read-only.
work="$scratch/work"
mkdir -p "$work/home"
cp "$root/usr/share/doc/tavmir/examples/arena.cfg" "$work/"
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$work"
  as_user() { runuser -u nobody -- "$@"; }
else
  chmod -R a-w "$root"
  as_user() { "$@"; }
fi
touch "$scratch/before"
run() { as_user env -i PATH=/usr/bin:/bin HOME="$work/home" "$root/usr/bin/tavmir" "$@"; }

out=$(run --version) || fail "--version failed"
[ "$out" = "tavmir $version" ] || fail "--version printed '$out'"
run --help | grep -q -- 'tavmir -v .*FILE' || fail "--help does not show the -v mode"

set +e
(cd "$work" && run -v arena.cfg) >"$scratch/stdout" 2>"$scratch/stderr"
status=$?
set -e
[ "$status" -eq 1 ] || fail "-v on the sample ended with status $status, not 1 (it has two faults)"
[ ! -s "$scratch/stderr" ] || { cat "$scratch/stderr" >&2; fail "-v wrote to standard error"; }
[ -s "$work/arena.cfg.log" ] || fail "-v wrote no report"
# The report of the unpacked program equals the built program's, except for the dated header.
mkdir "$scratch/built"
cp "$work/arena.cfg" "$scratch/built/"
built_program=$(realpath "$build/bin/tavmir")
(cd "$scratch/built" && "$built_program" -v arena.cfg >/dev/null) || true
diff <(tail -n +3 "$work/arena.cfg.log") <(tail -n +3 "$scratch/built/arena.cfg.log") >/dev/null \
  || fail "the unpacked program's report differs from the built program's"
# The sample's three findings as editors read them, and no report written for them.
rm "$work/arena.cfg.log"
gnu=$(cd "$work" && run -v --format=gnu --no-report arena.cfg) && fail "--format=gnu gave status 0"
[ "$(grep -c '^arena\.cfg:\([0-9]*:\)\? error: ' <<<"$gnu")" -eq 3 ] || fail "--format=gnu printed: $gnu"
[ ! -e "$work/arena.cfg.log" ] || fail "--no-report wrote a report"
changed=$(find "$root" -newer "$scratch/before" | head -1)
[ -z "$changed" ] || fail "running the program changed $changed"
echo "Unpacked program: --version, --help, -v on the sample (status 1, report written) and -v --format=gnu --no-report as $(as_user id -un)"

# The completion offers the options, the formats, and the settings files and folders only.
if [ -f /usr/share/bash-completion/bash_completion ]; then
  mkdir "$scratch/complete" "$scratch/complete/zones"
  touch "$scratch/complete/"{a.cfg,b.SET,notes.txt}
  completions() {
    (cd "$scratch/complete" && bash -c '
      source /usr/share/bash-completion/bash_completion
      source "$1"; shift
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
      _tavmir 2>/dev/null; printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' \
      completion "$root/usr/share/bash-completion/completions/tavmir" tavmir "$@")
  }
  [ "$(completions --no)" = "--no-report " ] || fail "completion of --no: '$(completions --no)'"
  [ "$(completions --set '')" = " " ] || fail "completion after --set: '$(completions --set '')'"
  [ "$(completions --format=)" = "gnu json report " ] || fail "completion of --format=: '$(completions --format=)'"
  [ "$(completions -v '')" = "a.cfg b.SET zones " ] || fail "completion of files: '$(completions -v '')'"
  echo "Bash completion: options, formats, settings files"
fi

if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.tavmir.Tavmir.metainfo.xml"
fi
if command -v lintian >/dev/null; then
  echo "lintian:"
  lintian --fail-on error --tag-display-limit 0 "$deb" | sed 's/^/  /'
  echo "lintian: no errors"
fi
