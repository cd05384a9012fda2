#!/usr/bin/env bash
# Mutation check of the core: applies each single-line change of mutants.txt to a copy of the
# sources, one at a time, rebuilds only what the change touches, and runs the core tests, then,
# where they all pass, the tests of the real program's command line. Every change must fail at
# least one test; one that survives names a table row or rule that no test checks. Exits 1 when
# a mutant survives, 2 when the list no longer fits the sources. Needs no git: the copy is of
# the folder as it stands, build folders left out.
#   tools/mutants/run.sh [BUILD_DIR [LIST [QUEUE]]]
# (build-mutants and mutants.txt by default). With QUEUE, a file that holds the number of the
# next mutant not yet taken (0 at first), workers in folders of their own share the list: each
# takes the next mutant when it is free, so none waits while another has a long one left.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
list=$(realpath "${2:-$top/tools/mutants/mutants.txt}")
work=$(realpath -m "${1:-$top/build-mutants}")
queue=${3:-}
cores=$(nproc) # a worker rebuilding a header's mutant takes every core while the other waits
tree="$work/tree"
build="$work/build"
started=$SECONDS

# Only files whose text differs are copied again, so a rebuild compiles only what changed
# since the last run; a file put back after its mutant is newer than the mutant's objects.
mkdir -p "$tree"
while IFS= read -r -d '' path; do
    if ! cmp -s "$top/$path" "$tree/$path"; then
        mkdir -p "$tree/$(dirname "$path")"
        cp "$top/$path" "$tree/$path"
    fi
done < <(cd "$top" && find . \( -path ./.git -o -path './build*' -o -path ./.cache \) -prune \
    -o -type f -printf '%P\0')

total=0 survived=0 index=0
mutate() { # name file anchor from to
    local name=$1 file=$tree/$2 anchor=$3 from=$4 to=$5 line at=-1 matches=0 i
    [[ -f $file ]] || { echo "mutants.txt: no file $2 ($name)" >&2; exit 2; }
    local -a lines
    mapfile -t lines <"$file"
    local searching=$([[ -z $anchor ]] && echo 1 || echo 0)
    for i in "${!lines[@]}"; do
        line=${lines[$i]}
        if ((!searching)) && [[ $line == *"$anchor"* ]]; then searching=1; fi
        if ((searching)) && [[ $line == *"$from"* ]]; then
            ((++matches))
            ((at < 0)) && at=$i
            [[ -n $anchor ]] && break
        fi
    done
    if ((matches != 1)); then
        echo "mutants.txt: «$from» is on $matches lines of $2, not one ($name)" >&2
        exit 2
    fi
    ((checking == 0)) || return 0
    ((index++ == next)) || return 0 # another worker's
    cp -p "$file" "$work/original"
    lines[$at]=${lines[$at]/"$from"/"$to"}
    printf '%s\n' "${lines[@]}" >"$file"
    local begun=$SECONDS verdict status=0
    passes || status=$?
    if ((status == 2)); then
        tail -n 20 "$work/build.log"
        echo "mutants.txt: the mutant does not build ($name)" >&2
        exit 2
    fi
    if ((status == 0)); then
        verdict=SURVIVED
        ((++survived))
    else
        verdict=killed
    fi
    ((++total))
    # Back to the original, newer than the mutant's objects so that the next build takes it.
    cp "$work/original" "$file"
    touch "$file"
    printf '%-8s %3d s  %s\n' "$verdict" $((SECONDS - begun)) "$name"
    next=$(take)
}

# The number of the next mutant this worker tries: the queue's, which it moves on, or simply
# the next one.
take() {
    if [[ -z $queue ]]; then
        echo $((next + 1))
        return
    fi
    flock "$queue.lock" bash -c 'taken=$(<"$1"); echo $((taken + 1)) >"$1"; echo "$taken"' \
        _ "$queue"
}

# Reads the list, calling mutate for each block: first only to check that every block fits
# the sources, so that a stale list stops the run before any mutant is built.
each() {
    local name='' file='' anchor='' from='' entry
    while IFS= read -r entry || [[ -n $entry ]]; do
        case "$entry" in
        '# '*) name=${entry#'# '} ;;
        'file '*) file=${entry#file } anchor='' ;;
        'after '*) anchor=${entry#after } ;;
        '- '*) from=${entry#'- '} ;;
        '+ '*)
            mutate "$name" "$file" "$anchor" "$from" "${entry#'+ '}"
            anchor=''
            ;;
        '' | '#'*) ;;
        *) echo "mutants.txt: cannot read «$entry»" >&2; exit 2 ;;
        esac
    done <"$list"
}
checking=1
each

# Optimised a little and without debug information: a mutant's object and link are no slower
# than at -O0 -g, and the core's tests then run in a tenth of the time (1 s, not 10). Asserts stay.
# The core is a shared library there, and what links it is not linked again when it changes:
# a mutant's rebuild is one object and the library.
# Every compile goes through ccache, in build-mutants/ccache, which the workers share: a
# header put back after its mutant is compiled from the cache, and a worker that starts after
# another has built compiles nothing itself. Paths inside a worker's folder are hashed as relative ones.
export CCACHE_DIR=${CCACHE_DIR:-$top/build-mutants/ccache} CCACHE_BASEDIR=$work \
    CCACHE_SLOPPINESS=include_file_mtime,include_file_ctime CCACHE_MAXSIZE=4G
# Ninja: a mutant's build checks what changed in a fraction of the time make takes. A folder
# that another generator made is made again.
if [[ -f $build/CMakeCache.txt ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$build/CMakeCache.txt"; then
    rm -rf "$build"
fi
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS=-O1 \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DVANTREL_CORE_LIBRARY=SHARED -DCMAKE_LINK_DEPENDS_NO_SHARED=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >"$work/configure.log" ||
    { cat "$work/configure.log"; exit 2; }
# The core's own tests first; the command line's tests need the whole program rebuilt, so they
# run only for a mutant that the core tests let through.
build() { cmake --build "$build" --target "$@" --parallel "$cores" >"$work/build.log" 2>&1; }
# A mutant is killed by its first failing test: the rest need not run.
run() { timeout 120 "$build/tests/$1" --gtest_brief=1 --gtest_fail_fast >"$work/test.log" 2>&1; }
passes() { # the tests pass with the sources as they are now
    build core_tests || return 2
    run core_tests || return 1
    # Once the core is built and its tests pass, the other workers start from its cache while
    # the first builds the rest of the program, which few mutants need.
    [[ -e $work/ready ]] || touch "$work/ready"
    build markings_tests || return 2
    run markings_tests || return 1
}
status=0
passes || status=$?
if ((status == 2)); then tail -n 30 "$work/build.log"; exit 2; fi
((status == 0)) || { cat "$work/test.log"; echo "the tests fail without a mutant"; exit 2; }

checking=0 next=-1
next=$(take)
each
build core_tests markings_tests >/dev/null || true # leave the build as the sources are

echo "$total mutants of the core, $((total - survived)) killed, $survived survived, in $((SECONDS - started)) s"
((survived == 0))
