#!/usr/bin/env bash
# Sets up, builds and runs every test and check. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap.sh
step() { printf '\n== %s (%s)\n' "$1" "$(date +%T)"; }

step "the product build with warnings as errors, the tools too, and every test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXILOR_WERROR=ON \
  -DVEXILOR_BUILD_TOOLS=ON >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

step "the installed program (cmake --install) and its desktop files; the Debian package"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install build --prefix "$stage" >/dev/null
id=io.github.vexilor.Vexilor
desktop-file-validate "$stage/share/applications/$id.desktop"
appstreamcli validate --no-net "$stage/share/metainfo/$id.metainfo.xml"
xmllint --noout "$stage/share/mime/packages/$id.xml"
update-mime-database "$stage/share/mime" >/dev/null 2>&1
grep -qx '[0-9]*:application/x-vexilor-project:\*\.vxr' "$stage/share/mime/globs2"
for size in 16 32 48 64 128 256; do
  file "$stage/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size,"
done
for page in help_en help_ru; do test -s "$stage/share/doc/vexilor/$page.html"; done
"$stage/bin/vexilor" --help >/dev/null
rm -f build/vexilor_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(echo build/vexilor_*.deb)
dpkg-deb -f "$deb" Package Version Depends Recommends
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}'

step "every test again, core and GUI, under Address- and UndefinedBehaviorSanitizer"
CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEXILOR_WERROR=ON -DVEXILOR_SANITIZE=ON -DVEXILOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

step "clang-tidy over src/ (the checks are in .clang-tidy)"
run-clang-tidy -p build-sanitize -quiet -j "$(nproc)" "$PWD/src/" >build-sanitize/clang-tidy.log 2>&1 ||
  { grep -E 'warning:|error:' -A3 build-sanitize/clang-tidy.log; exit 1; }

step "the layout of the sources (.clang-format)"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

step "every fuzz target for a few seconds, from the seeds in fuzz/seeds"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXILOR_FUZZ=ON \
  -DVEXILOR_BUILD_GUI=OFF -DVEXILOR_BUILD_TESTS=OFF -DVEXILOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz
findings="$PWD/build-fuzz/findings"
mkdir -p "$findings"
for target in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$target" _fuzz)
  corpus=$(mktemp -d)
  cp fuzz/seeds/"$name"/* "$corpus"/
  # The target's own output (solver diagnostics) goes to a log; an input that
  # fails is left in build-fuzz/findings for a look.
  if ! "$target" -seed=1 -max_total_time=5 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$name-" "$corpus" >"$findings/$name.log" 2>&1; then
    tail -40 "$findings/$name.log"
    echo "fuzz: $name failed; the input is in $findings" >&2
    exit 1
  fi
  echo "fuzz: $name, $(grep -o 'number_of_executed_units: [0-9]*' "$findings/$name.log" | cut -d' ' -f2) runs"
  rm -rf "$corpus"
done
step "all passed"
