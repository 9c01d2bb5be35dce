#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a number of seconds over a
# seed corpus written by fuzz_make_seeds. Usage: scripts/fuzz.sh [seconds per target] [target...]
# Crashes are written to build-fuzz/artifacts/<target>/; the corpus grows in build-fuzz/corpus/.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-60}"
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then targets=(jpeg bmp artwork preview card picture); fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFESTOON_FUZZ=ON -DFESTOON_BUILD_TESTS=OFF -DFESTOON_BUILD_BENCH=OFF >/dev/null
ninja -C "$build" -j2 fuzz_make_seeds $(printf 'fuzz_%s ' "${targets[@]}")

"$build/fuzz/fuzz_make_seeds" "$build/seeds"
export QT_QPA_PLATFORM=offscreen
# Decoded pictures may legitimately reach 256 megapixels; the limit leaves room for that and libjpeg.
# Inputs may grow to 256 KiB, enough for a scan bomb of a few thousand scans.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}"
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== fuzz_$target for ${seconds}s"
  "$build/fuzz/fuzz_$target" "$corpus" "$build/seeds/$target" \
    -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=262144 -timeout=20 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 2>&1 | tee "$build/fuzz_$target.log" | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)' || true
  if ls "$artifacts"/* >/dev/null 2>&1; then
    echo "fuzz_$target: findings in $artifacts"
    status=1
  fi
done
exit "$status"
