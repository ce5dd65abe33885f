#!/usr/bin/env bash
# Build the libFuzzer targets with clang into build/fuzz and run each for SECONDS seconds.
# Exits non-zero as soon as a target finds a crash; the input that caused it is kept in
# build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:?usage: tools/fuzz.sh SECONDS}"
compiler="${CXX_FUZZ:-clang++-14}"
build=build/fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
    -DQUILLMERE_FUZZ=ON -DQUILLMERE_GUI=OFF -DQUILLMERE_TESTS=OFF -DQUILLMERE_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
mapfile -t targets < <(find "$build" -maxdepth 3 -type f -executable -name '*_fuzz' | sort)
if [ "${#targets[@]}" -eq 0 ]; then
    echo "no fuzz targets were built" >&2
    exit 1
fi

for target in "${targets[@]}"; do
    name="$(basename "$target")"
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    seeds=()
    while IFS= read -r dir; do seeds+=("$dir"); done < <(find . -path ./build -prune -o \
        -type d -path "*/fuzz/seeds/$name" -print)
    echo "== $name: ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$corpus" "${seeds[@]}"
done
echo "No crash in ${#targets[@]} fuzz target(s)."
