#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz (clang) and runs each for a
# bounded time on a copy of its seed corpus from fuzz/corpus/<target>, so the
# corpus in the repository stays as it is. A crash, a broken invariant, a leak
# or an input that runs longer than 10 s fails the run; the input that did it
# is left in build-fuzz/runs/<target>/.
#
# FUZZ_SECONDS: time per target (default 30). FUZZ_TARGETS: which targets
# (default all five).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-30}
read -r -a targets <<<"${FUZZ_TARGETS:-fuzz_encode_text fuzz_decode_digits fuzz_format_groups fuzz_combine fuzz_read_text}"

# Without Debian's hardening flags, as in .ci/sanitize.sh.
cmake -S . -B build-fuzz -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DZAZUZAR_FUZZ=ON -DZAZUZAR_HARDENING=OFF -DBUILD_TESTING=OFF \
  -DZAZUZAR_WERROR=ON
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen

summary=()
failed=0
for target in "${targets[@]}"; do
  run=build-fuzz/runs/$target
  rm -rf "$run"
  mkdir -p "$run/corpus"
  cp fuzz/corpus/"$target"/* "$run/corpus/"
  seeds=$(ls "$run/corpus" | wc -l)
  status=ok
  if ! build-fuzz/fuzz/"$target" "$run/corpus" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$run/" -print_final_stats=1 >"$run/log" 2>&1; then
    status=FAILED
    failed=1
    tail -n 40 "$run/log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$run/log")
  cov=$(grep -o 'cov: [0-9]*' "$run/log" | tail -n 1 || true)
  summary+=("$(printf '%-20s %-6s %10s runs %8s/s  %-9s corpus %d -> %d' "$target" "$status" \
    "${runs:-?}" "${speed:-?}" "${cov:-cov: ?}" "$seeds" "$(ls "$run/corpus" | wc -l)")")
done

printf '%s\n' "${summary[@]}"
exit "$failed"
