#!/usr/bin/env bash
# Builds the fuzz targets with clang++-14 (libFuzzer + AddressSanitizer) in build-fuzz and runs each one
# for SECONDS (default 60) on a copy of its seed corpus. Exits non-zero when any target finds a crash,
# a leak, a hang or a broken property; the reproducer lands in build-fuzz/artifacts.
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
targets=(fuzz_document fuzz_prefs fuzz_lists fuzz_timetext)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DKESTREL_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

mkdir -p "$build/artifacts"
status=0
for t in "${targets[@]}"; do
    work="$build/corpus/$t"
    rm -rf "$work"
    mkdir -p "$work"
    cp -R "$root/fuzz/corpus/$t/." "$work/"
    echo "== $t: ${seconds} s"
    if "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
           -artifact_prefix="$build/artifacts/$t-" -print_final_stats=1 "$work" >"$build/$t.log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^Done' "$build/$t.log" || true
    else
        echo "!! $t failed (log: $build/$t.log)"
        tail -n 40 "$build/$t.log"
        status=1
    fi
done
exit "$status"
