#!/usr/bin/env bash
# Builds everything and runs every test: the unit tests natively and under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz programs for a while, and both Windows variants end to end
# under Wine on a virtual display. Stops at the first failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fuzz_seconds=${VOCSET_FUZZ_SECONDS:-60}

step() {
  local what=$1 started=$SECONDS
  shift
  echo "==> $what"
  if ! "$@"; then
    echo "test.sh: FAILED: $what" >&2
    exit 1
  fi
  echo "==> done in $((SECONDS - started)) s: $what"
}

step "packages" scripts/deps.sh
step "native build and unit tests" cmake --workflow --preset native
step "unit tests with AddressSanitizer and UndefinedBehaviorSanitizer" cmake --workflow --preset native-sanitize
step "fuzz build" cmake --workflow --preset fuzz
step "fuzzing, $fuzz_seconds s per program" scripts/fuzz.sh build/fuzz "$fuzz_seconds"
step "English Windows program, end to end under Wine" cmake --workflow --preset windows-en
step "Russian Windows program, end to end under Wine" cmake --workflow --preset windows-ru
echo "test.sh: everything passed in $SECONDS s"
