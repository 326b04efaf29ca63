#!/usr/bin/env bash
# Runs every libFuzzer program of a fuzz build at once, each for a bounded time, and fails when any
# of them finds a crash, a leak or a hang.
#   scripts/fuzz.sh <fuzz build folder> <seconds>
set -euo pipefail
build=$(realpath "$1") seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)

mapfile -t programs < <(find "$build/fuzz" -type f -executable -not -path '*/CMakeFiles/*' | sort)
if [ ${#programs[@]} -eq 0 ]; then
  echo "fuzz.sh: the build in $build has no fuzz programs" >&2
  exit 1
fi

mkdir -p "$build/fuzz-logs"
pids=()
for program in "${programs[@]}"; do
  name=$(basename "$program")
  corpus="$build/fuzz-corpus/$name"   # grows from run to run; the seeds stay in the source tree
  mkdir -p "$corpus"
  seeds=()   # fuzz/corpus/<program>, or without the program's "Fuzzer" suffix
  for folder in "$root/fuzz/corpus/$name" "$root/fuzz/corpus/${name%Fuzzer}"; do
    if [ -d "$folder" ]; then seeds=("$folder"); break; fi
  done
  (cd "$build/fuzz-logs" && "$program" -max_total_time="$seconds" -timeout=10 "$corpus" "${seeds[@]}" \
    >"$name.log" 2>&1) &
  pids+=($!)
done

failed=0
for i in "${!programs[@]}"; do
  name=$(basename "${programs[$i]}")
  if wait "${pids[$i]}"; then
    echo "    $name: $(grep -o 'Done [0-9]* runs in [0-9]* second' "$build/fuzz-logs/$name.log" | tail -n 1)"
  else
    echo "fuzz.sh: $name failed; the end of $build/fuzz-logs/$name.log:" >&2
    tail -n 30 "$build/fuzz-logs/$name.log" >&2
    failed=1
  fi
done
exit $failed
