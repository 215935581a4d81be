#!/usr/bin/env bash
# clazy (Qt's own static checks) over every file of src/app, the models library included, with the dev build's
# compile commands (run `cmake --preset dev` first). Any finding fails: exit status 1 with the findings printed.
# The checks are listed here and only here; .ci/run calls this script.
#
#   level0, level1  the checks clazy recommends without false positives worth the name
#   level2 checks that hold here too, chosen one by one:
#     old-style-connect       connects by SIGNAL()/SLOT() strings, which the compiler cannot check
#     qstring-allocations     QString built from a literal at run time where QStringLiteral would not allocate
#     function-args-by-ref    large values passed by value
#     function-args-by-value  small trivial values passed by reference
#     missing-qobject-macro   a QObject subclass without Q_OBJECT (qobject_cast and tr() would go wrong)
#     rule-of-three           a class with a destructor or copy but not the rest
#     static-pmf              a pointer to member function kept in a static (breaks across libraries)
#     virtual-call-ctor       virtual calls in constructors and destructors
#     ctor-missing-parent-argument  a widget or QObject whose constructor takes no parent
#     returning-void-expression, qstring-varargs
#   not on: reserve-candidates (it asks for reserve() before every loop that appends a few lines of text), the Qt 5 to
#   6 porting checks (the code is Qt 6 only).
#
# A finding that is known and has its reason goes in `known` below (a pattern of the finding's line and the reason);
# it is printed as known and does not fail the run.
set -euo pipefail
cd "$(dirname "$0")/.."

checks=(
    level0 level1
    old-style-connect qstring-allocations function-args-by-ref function-args-by-value missing-qobject-macro
    rule-of-three static-pmf virtual-call-ctor ctor-missing-parent-argument returning-void-expression
    qstring-varargs
)
known=(
)
list=$(IFS=,; echo "${checks[*]}")

# Arguments: the build folder (default build/dev), then files of src/app to check instead of all of them.
build=${1:-build/dev}
[[ -f "$build/compile_commands.json" ]] || { echo "clazy: no $build/compile_commands.json (cmake --preset dev)"; exit 2; }
if [[ $# -gt 1 ]]; then
    files=("${@:2}")
else
    mapfile -t files < <(git ls-files 'src/app/*.cpp')
fi
log=$(mktemp)
status=0
trap 'rm -f "$log"' EXIT
# Four files to a run, one run per core; the build tree's generated files (moc) are not ours to fix and are not listed.
printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 4 clazy-standalone -p "$build" --checks="$list" \
        --header-filter="^$PWD/src/app/" --ignore-dirs="$PWD/$build" >"$log" 2>&1 || status=$?
findings=$(grep -E "(warning|error):" "$log" | sed "s|^$PWD/||" | sort -u || true)
for pattern in "${known[@]}"; do
    grep -E "$pattern" <<<"$findings" | sed 's/^/known: /' || true
    findings=$(grep -vE "$pattern" <<<"$findings" || true)
done
if [[ -n "$findings" ]]; then
    echo "$findings"
    echo "clazy: $(wc -l <<<"$findings") findings in src/app"
    exit 1
fi
if [[ $status -ne 0 && -z "$(grep -E "(warning|error):" "$log" || true)" ]]; then
    tail -30 "$log"
    echo "clazy: clazy-standalone failed without a finding (status $status)"
    exit 1
fi
echo "clazy: no findings in ${#files[@]} files of src/app ($list)"
