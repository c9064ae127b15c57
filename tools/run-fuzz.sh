#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in their own
# build folder and runs each for a bounded time: the reader and the whole conversion for FUZZ_SECONDS
# each (default 90) on a corpus seeded with the shared samples (when present beside the checkout) and
# the bundled example, then the title parser (below). FUZZ_TARGETS picks among the first two.
# Usage: tools/run-fuzz.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-90}
targets=${FUZZ_TARGETS:-fuzz-aaf-reader fuzz-convert}
jobs=${FUZZ_JOBS:-$(( $(nproc) < 8 ? $(nproc) : 8 ))}

cmake -S . -B "$build" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DAAF2XMEML_FUZZ=ON -DAAF2XMEML_BUILD_TESTS=OFF -DAAF2XMEML_BUILD_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
# shellcheck disable=SC2086
cmake --build "$build" -j"$jobs" --target $targets

for target in $targets; do
  # One corpus per target: what is new coverage to one is not to the other.
  corpus="$build/corpus-$target"
  mkdir -p "$corpus"
  if [ -d ../shared/aaf-samples ]; then
    for f in ../shared/aaf-samples/*.aaf ../shared/aaf-samples/*.AAF; do
      [ -f "$f" ] && cp -n "$f" "$corpus/" || true
    done
  fi
  [ -f examples/example.aaf ] && cp -n examples/example.aaf "$corpus/" || true

  # Crashes land in the build folder, not in the checkout. The conversion prints its failures; the
  # target's own output is closed so that only libFuzzer's report is left.
  close=0
  [ "$target" = fuzz-convert ] && close=3
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
    "$build/tools/fuzz/$target" "$corpus" \
      -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=262144 \
      -close_fd_mask="$close" -artifact_prefix="$build/$target-" -print_final_stats=1
done

# The title parser, from the title bytes of the samples (the dump tool prints them whole) and for
# TITLE_FUZZ_SECONDS (default 60).
cmake --build "$build" -j"$jobs" --target fuzz-title-parser aafdump
titles="$build/fuzz-titles"
mkdir -p "$titles"
for f in ../shared/aaf-samples/*.aaf ../shared/aaf-samples/*.AAF; do
  [ -f "$f" ] || continue
  "$build/tools/aafdump/aafdump" --model --all-bytes "$f" 2>/dev/null |
    awk '/Definition: AUID = \{1fdd2907-e48c-11d3-a078-006094eb75cb\}/ && prev ~ /</ {
           sub(/^[^<]*</, "", prev); sub(/>.*$/, "", prev); print prev } { prev = $0 }' |
    while read -r hex; do
      printf '%b' "$(printf '%s' "$hex" | sed 's/\([0-9a-f][0-9a-f]\) */\\x\1/g')" \
        > "$titles/$(printf '%s' "$hex" | md5sum | cut -c1-16)"
    done
done
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
  "$build/tools/fuzz/fuzz-title-parser" "$titles" \
    -max_total_time="${TITLE_FUZZ_SECONDS:-60}" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$build/title-" -print_final_stats=1
