#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz in build-fuzz with clang and runs each one for a while.
#
#   bash tools/fuzz.sh                  # every target for 4 seconds (the short pass of the test command)
#   bash tools/fuzz.sh 600              # every target for 10 minutes
#   bash tools/fuzz.sh 600 moves effect # only those targets
#
# Environment: FUZZ_SECONDS (default 4), FUZZ_RUNS (stop a target after that many executions, default no
# limit), FUZZ_JOBS (targets run at once, default 4), FUZZ_BUILD_JOBS (default nproc), FUZZ_MAX_LEN (largest
# input in bytes, default 16384). Exits non-zero when a target finds a crash, a hang, a leak or a sanitizer
# report; the input that did it is kept under build-fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-${FUZZ_SECONDS:-4}}
[ $# -gt 0 ] && shift
runs=${FUZZ_RUNS:--1}
jobs=${FUZZ_JOBS:-4}
build_jobs=${FUZZ_BUILD_JOBS:-$(nproc)}
max_len=${FUZZ_MAX_LEN:-16384}
out="$root/build-fuzz"
# The targets work in scratch folders under TMPDIR; keep those (and any a crash leaves) inside the build.
export TMPDIR="$out/tmp"
mkdir -p "$TMPDIR"

cmake -S . -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_FUZZ=ON \
  -DQUORVEX_TESTS=OFF -DQUORVEX_BENCH=OFF -DQUORVEX_SANITIZE=OFF >/dev/null
cmake --build "$out" --target quorvex_fuzz_targets -j "$build_jobs"

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for src in tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$src" .cpp)
    targets+=("${name#fuzz_}")
  done
fi

# Seeds beside the hand-written corpus: the shipped data and the test fixtures of the same kind, found by
# the element their readers look for.
declare -A shipped=(
  [types]="data/types" [subtypes]="data/subtypes" [abilities]="data/abilities" [buffs]="data/buffs"
  [moves]="data/moves" [creatures]="data/creatures" [stadiums]="data/stadiums" [rulesets]="data/rulesets"
  [trainers]="data/trainers.xml" [strings]="data/strings.xml" [config]="" [commentator]="data/commentator.xml"
  [effect]="data/moves data/abilities data/buffs data/stadiums data/rulesets")
declare -A marker=(
  [types]="<effectiveness" [subtypes]="<subtype>" [abilities]="<ability>" [buffs]="<buff>" [moves]="<move>"
  [creatures]="<library>" [stadiums]="<stadium>" [rulesets]="<ruleset>" [trainers]="<trainer>"
  [strings]="<strings>" [config]="<config>" [commentator]="<commentator" [effect]="<trigger")

collect_seeds() {
  local t=$1 dir="$out/seeds/$1" n=0 f
  rm -rf "$dir"
  mkdir -p "$dir"
  local sources=()
  for f in ${shipped[$t]:-}; do
    if [ -d "$f" ]; then
      sources+=("$f"/*.xml)
    elif [ -f "$f" ]; then
      sources+=("$f")
    fi
  done
  if [ -d tests/data ]; then
    while IFS= read -r f; do sources+=("$f"); done < <(grep -rlF --include='*.xml' -e "${marker[$t]}" tests/data || true)
  fi
  for f in "${sources[@]}"; do
    [ -f "$f" ] || continue
    n=$((n + 1))
    cp "$f" "$dir/$n-$(basename "$f")"
  done
}

run_target() {
  local t=$1 exe="$out/fuzz_$t" log="$out/logs/$t.log"
  mkdir -p "$out/corpus/$t" "$out/artifacts/$t" "$out/logs"
  collect_seeds "$t"
  local status=0
  ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=32 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$exe" "$out/corpus/$t" "$root/tests/fuzz/corpus/$t" "$out/seeds/$t" -dict="$root/tests/fuzz/xml.dict" \
    -max_total_time="$seconds" -runs="$runs" -timeout=5 -rss_limit_mb=2048 -max_len="$max_len" \
    -artifact_prefix="$out/artifacts/$t/" -print_final_stats=1 >"$log" 2>&1 || status=$?
  echo "$status" >"$out/logs/$t.status"
}

for t in "${targets[@]}"; do
  if [ ! -x "$out/fuzz_$t" ]; then
    echo "fuzz: unknown target '$t'" >&2
    exit 2
  fi
done

rm -f "$out"/logs/*.status
running=0
for t in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_target "$t" &
  running=$((running + 1))
done
wait

failed=0
for t in "${targets[@]}"; do
  status=$(cat "$out/logs/$t.status" 2>/dev/null || echo 1)
  execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$out/logs/$t.log" | tail -1 | awk '{print $2}')
  if [ "$status" = 0 ]; then
    printf 'fuzz %-12s ok      %s executions\n' "$t" "${execs:-?}"
  else
    failed=1
    printf 'fuzz %-12s FAILED  (exit %s, log %s)\n' "$t" "$status" "$out/logs/$t.log"
    grep -E 'ERROR: |runtime error|SUMMARY|Test unit written' "$out/logs/$t.log" | head -8 | sed 's/^/    /'
  fi
done
exit "$failed"
