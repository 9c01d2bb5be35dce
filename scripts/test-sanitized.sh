#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs every test there. Any sanitizer report fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir=${FESTOON_SANITIZE_BUILD_DIR:-build-sanitize}

# Set before the build too: test discovery runs every test executable once. Leaks inside system
# libraries that Qt loads (fontconfig and the like) are suppressed by name, never our own code.
# strict_string_checks stays off: libxkbcommon-x11 rightly hands strndup an unterminated buffer.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFESTOON_SANITIZE=ON \
  -DFESTOON_BUILD_BENCH=OFF
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure --timeout 600 -j2
