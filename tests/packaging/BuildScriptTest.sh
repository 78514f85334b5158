#!/usr/bin/env bash
# ./build.sh as a new user meets it: the usage for help, a missing or an
# unknown mode, before anything is installed or built; `run` with nothing
# missing needs no root; a missing package without root is named, not
# installed. A copy of build.sh runs beside stand-ins for dpkg-query, apt-get
# and cmake, as an ordinary user, without network.
#   BuildScriptTest.sh SOURCE_DIR
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree" "$work/bin"
cp "$1/build.sh" "$work/tree/"

# dpkg-query knows every package but the one named in $MISSING; apt-get and
# cmake write down their calls, and cmake's build makes a stand-in player.
cat > "$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
for last; do :; done
[ "$last" = "${MISSING:-}" ] || echo "install ok installed"
STUB
cat > "$work/bin/apt-get" <<STUB
#!/bin/sh
echo "apt-get \$*" >> "$work/calls"
STUB
cat > "$work/bin/cmake" <<STUB
#!/bin/sh
echo "cmake \$*" >> "$work/calls"
if [ "\$1" = --build ]; then
  mkdir -p "\$2" && printf '#!/bin/sh\necho "player \$*"\n' > "\$2/solvane" && chmod +x "\$2/solvane"
fi
STUB
chmod +x "$work/bin"/*
chmod -R a+rwX "$work"

as_user=()
if [ "$(id -u)" -eq 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi

failures=0
# expect NAME EXIT_CODE OUTPUT_PATTERN CALLS_PATTERN [MISSING] -- ARGS...
expect() {
  local name=$1 code=$2 output=$3 calls=$4 missing=$5
  shift 6
  rm -rf "$work/calls" "$work/tree/build"
  local out actual
  out=$(cd "$work" && env PATH="$work/bin:$PATH" MISSING="$missing" "${as_user[@]}" ./tree/build.sh "$@" 2>&1)
  actual=$?
  local made
  made=$(cat "$work/calls" 2>/dev/null | tr '\n' ' ')
  if [ "$actual" -ne "$code" ] || ! grep -Eq -- "$output" <<<"$out" || ! grep -Eq -- "$calls" <<<"$made"; then
    echo "FAIL $name: exit $actual (want $code), calls \"$made\" (want /$calls/), output:"
    echo "$out"
    failures=$((failures + 1))
  fi
}

expect "--help" 0 "^usage: ./build.sh MODE" "^$" "" -- --help
expect "-h" 0 "only those|installing takes root" "^$" "" -- -h
expect "no mode" 2 "^usage: ./build.sh MODE" "^$" "" --
expect "unknown mode" 2 "unknown mode \"tset\"" "^$" "" -- tset
expect "run as a user" 0 "^player a.mp3$" "^cmake -S . -B build .* cmake --build build $" "" -- run a.mp3
expect "missing package as a user" 1 "missing packages: xvfb" "^$" "xvfb" -- test

if [ -e "$work/tree/build" ]; then echo "FAIL: a build folder was left behind"; failures=$((failures + 1)); fi
exit $((failures > 0))
