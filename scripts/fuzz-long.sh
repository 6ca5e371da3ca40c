#!/usr/bin/env bash
# Runs every fuzz target (or the TARGETs named) for MINUTES each:
#   scripts/fuzz-long.sh MINUTES [BUILD_DIR [TARGET...]]     (BUILD_DIR: build-fuzz/ unless given)
# Each target starts from its seeds in fuzz/corpus/<name without fuzz_>, with
# the options its test has (input length, dictionary). What it finds lands in
# BUILD_DIR/fuzz-long/<target>/findings/; the inputs that reach new code are
# merged into fuzz/corpus/ (minimized: only those that add coverage), ready to
# be committed. Prints runs, speed, coverage and findings per target; the exit
# status is 1 when any target found something.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
minutes="${1:-}"
# A fraction will do ("0.5"): a short round to see that every target runs.
seconds=$(awk -v m="$minutes" 'BEGIN { if (m ~ /^[0-9]+([.][0-9]+)?$/) print int(m * 60) }')
if [[ -z "$seconds" || "$seconds" -eq 0 ]]; then
  echo "usage: scripts/fuzz-long.sh MINUTES [BUILD_DIR [TARGET...]]" >&2
  exit 2
fi
build="${2:-$root/build-fuzz}"
wanted=" ${*:3} "
"$root/scripts/build.sh" "$build" -DKV_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo || exit 1

# The targets as their tests run them, without the test's time and corpus
# folders: "name executable option...", one a line.
targets() {
  ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, os, sys
for test in json.load(sys.stdin)["tests"]:
    command = test.get("command") or []
    if not test["name"].startswith("fuzz_") or not command:
        continue
    options = [a for a in command[1:] if a.startswith("-") and not a.startswith("-max_total_time=")]
    print(test["name"], command[0], *options)'
}

# The seeds and the new inputs merged to the fewest that reach the same code;
# the seeds then hold those: written seeds (named by hand) always stay, found
# ones (named by their SHA-1) only while the merge still needs them.
minimize() {  # minimize <seeds> <new inputs> <scratch>
  local seeds="$1" fresh="$2" merged="$3" file name
  rm -rf "$merged" && mkdir -p "$merged"
  "$executable" "${opts[@]}" -merge=1 "$merged" "$seeds" "$fresh" > "$merged.log" 2>&1 || return
  for file in "$seeds"/*; do
    name="${file##*/}"
    if [[ "$name" =~ ^[0-9a-f]{40}$ && ! -e "$merged/$name" ]]; then rm -f "$file"; fi
  done
  local written
  written=$(sha1sum "$seeds"/* 2>/dev/null | cut -d' ' -f1)
  for file in "$merged"/*; do
    name="${file##*/}"
    grep -qx "$name" <<< "$written" || cp "$file" "$seeds/$name"
  done
}

summary=()
found_any=0
while read -r name executable options; do
  [[ "$wanted" == "  " || "$wanted" == *" $name "* ]] || continue
  work="$build/fuzz-long/$name"
  seeds="$root/fuzz/corpus/${name#fuzz_}"
  mkdir -p "$work/corpus" "$work/findings" "$seeds"
  read -ra opts <<< "$options"
  echo "=== $name: $minutes min"
  "$executable" "${opts[@]}" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" "$seeds" > "$work/log" 2>&1
  minimize "$seeds" "$work/corpus" "$work/minimized"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -1)
  findings=$(find "$work/findings" -type f | wc -l)
  (( findings > 0 )) && found_any=1
  summary+=("$(printf '%-18s %12s runs %8s/s  %-22s %s findings' "$name" "${runs:-?}" "${speed:-?}" \
    "${coverage:-cov: ?}" "$findings")")
done < <(targets)

echo "=== summary ($minutes min each; findings in $build/fuzz-long/<target>/findings/)"
printf '%s\n' "${summary[@]}"
exit $found_any
