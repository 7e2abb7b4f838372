#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants one known fault at a time and tells whether the tests notice it.
#
#   tools/mutate.sh [--only PATTERN] [--keep] [--list FILE]
#
# The tracked files of the working tree (uncommitted changes included) are
# copied to a scratch folder and built there once; the working tree is never
# touched. Then, for each entry of the list (tools/mutations.txt, its format is
# described at its top), the one change is made, the tree rebuilt
# incrementally and every test run: CAUGHT when a test fails (the table
# counts them and names the first in ctest's order), MISSED when all pass,
# "does not compile" when the build fails (not counted as caught), and
# "stale" when the original text is not found exactly once in its file.
#
#   --only PATTERN  run only the entries whose path or description matches
#                   the extended regular expression PATTERN
#   --keep          keep the scratch folder (its logs/ holds each run's output)
#   --list FILE     take the entries from FILE instead
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

list=tools/mutations.txt
only=""
keep=0
test_timeout=${MUTATE_TEST_TIMEOUT:-120}

usage() {
    echo "usage: tools/mutate.sh [--only PATTERN] [--keep] [--list FILE]" >&2
    exit 2
}

while [ $# -gt 0 ]; do
    case "$1" in
    --only)
        [ $# -ge 2 ] || usage
        only=$2
        shift 2
        ;;
    --keep)
        keep=1
        shift
        ;;
    --list)
        [ $# -ge 2 ] || usage
        list=$2
        shift 2
        ;;
    *) usage ;;
    esac
done
[ -f "$list" ] || { echo "no list file: $list" >&2; exit 2; }
list=$(cd "$(dirname "$list")" && pwd)/$(basename "$list")

scratch=$(mktemp -d "${TMPDIR:-/tmp}/cylindra-mutate.XXXXXX")
current_file="" # a mutated file, restored on any exit
cleanup() {
    if [ -n "$current_file" ]; then
        cat "$scratch/original" >"$scratch/tree/$current_file"
    fi
    if [ "$keep" = 1 ]; then
        echo "scratch folder kept: $scratch"
    else
        rm -rf "$scratch"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Tracked files as they are now in the working tree; files deleted but not yet
# committed are left out.
copy_tree() {
    mkdir -p "$scratch/tree" "$scratch/logs"
    git ls-files -z | while IFS= read -r -d '' f; do
        [ -e "$f" ] && printf '%s\0' "$f"
    done | tar --null -T - -cf - | tar -xf - -C "$scratch/tree"
}

build() {
    cmake --build "$scratch/build" </dev/null >"$1" 2>&1
}

# The install-and-package test checks files no listed fault touches, and
# takes longest: it is left out.
run_tests() {
    (cd "$scratch/build" && ctest --timeout "$test_timeout" -j2 -E '^install_and_package$') \
        </dev/null >"$1" 2>&1
}

# Occurrences of a literal text in a file's content.
count_in() {
    local content=$1 text=$2
    local rest=${content//"$text"/}
    echo $(((${#content} - ${#rest}) / ${#text}))
}

declare -a results=() files=() lines=() descriptions=() caught_by=()

# How many tests failed, and the first one in ctest's order.
failures() {
    local failed
    failed=$(sed -n '/The following tests FAILED/,$p' "$1" | sed -n '2,$p' |
        sed -E 's/^[[:space:]]*[0-9]+ - ([^ ]+).*/\1/')
    echo "$(printf '%s\n' "$failed" | grep -c .) failed, first $(printf '%s\n' "$failed" | head -n 1)"
}

# Applies one entry in the scratch tree and records its outcome.
mutate() {
    local n=$1 path=$2 original=$3 replacement=$4
    local file="$scratch/tree/$path" log="$scratch/logs/$n.log"
    caught_by+=("")
    if [ ! -f "$file" ] || [ -z "$original" ]; then
        results+=("stale")
        lines+=("-")
        return
    fi
    local content
    content=$(<"$file")
    if [ "$(count_in "$content" "$original")" != 1 ]; then
        results+=("stale")
        lines+=("-")
        return
    fi
    lines+=("$(grep -nF -- "$original" "$file" | head -n 1 | cut -d: -f1)")
    cp "$file" "$scratch/original"
    current_file=$path
    printf '%s\n' "${content/"$original"/"$replacement"}" >"$file"
    if ! build "$log"; then
        results+=("does not compile")
    elif run_tests "$log.tests"; then
        results+=("MISSED")
    else
        results+=("CAUGHT")
        caught_by[-1]=$(failures "$log.tests")
    fi
    # A fresh time stamp, so that the next build compiles the original again.
    cat "$scratch/original" >"$file"
    current_file=""
}

echo "copying the tree to $scratch"
copy_tree
echo "building it once (log: $scratch/logs/base.log)"
cmake -S "$scratch/tree" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCYLINDRA_BENCH=OFF </dev/null >"$scratch/logs/base.log" 2>&1
build "$scratch/logs/base.log" || { tail -n 30 "$scratch/logs/base.log"; exit 1; }
if ! run_tests "$scratch/logs/base.tests.log"; then
    echo "the tests fail without any change; nothing to measure" >&2
    tail -n 30 "$scratch/logs/base.tests.log" >&2
    exit 1
fi

n=0
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    tabs=${line//[^$'\t']/}
    if [ ${#tabs} != 3 ]; then
        echo "not four tab-separated fields: $line" >&2
        exit 2
    fi
    path=${line%%$'\t'*}
    rest=${line#*$'\t'}
    original=${rest%%$'\t'*}
    rest=${rest#*$'\t'}
    replacement=${rest%%$'\t'*}
    description=${rest#*$'\t'}
    if [ -n "$only" ] && ! printf '%s\n%s\n' "$path" "$description" | grep -qE -- "$only"; then
        continue
    fi
    n=$((n + 1))
    files+=("$path")
    descriptions+=("$description")
    printf '[%d] %s: %s ... ' "$n" "$path" "$description"
    mutate "$n" "$path" "$original" "$replacement"
    echo "${results[-1]}"
done <"$list"

caught=0 missed=0 broken=0 stale=0
echo
printf '%-3s  %-16s  %-26s  %s\n' "#" "result" "where" "fault [tests failed]"
for i in "${!results[@]}"; do
    printf '%-3s  %-16s  %-26s  %s%s\n' "$((i + 1))" "${results[i]}" \
        "${files[i]}:${lines[i]}" "${descriptions[i]}" "${caught_by[i]:+ [${caught_by[i]}]}"
    case "${results[i]}" in
    CAUGHT) caught=$((caught + 1)) ;;
    MISSED) missed=$((missed + 1)) ;;
    "does not compile") broken=$((broken + 1)) ;;
    stale) stale=$((stale + 1)) ;;
    esac
done
echo
echo "caught $caught of $((caught + missed)) ($broken do not compile, $stale stale)"
