#!/usr/bin/env bash
# Fails when code under the given folder (default: src) finds the window's own
# controls by their objectName: findChild<...>, namedChild, or control<T>("...").
# The class that builds a control keeps a typed pointer to it and hands it out;
# the names are for tests and tools. A line that must look a name up says why
# with a trailing comment: "// name look-up: <reason>".
set -euo pipefail
root="${1:-$(dirname "$0")/../src}"
root="${root%/}"

found=$(grep -rnE --include='*.cpp' --include='*.h' 'findChild<|namedChild|control<[A-Za-z_:]+>\("' "$root" |
    grep -vE '// name look-up: [^ ]' || true)
found=$(printf '%s\n' "$found" | sed '/^$/d')

if [[ -n "$found" ]]; then
    echo "Controls found by name; keep a typed pointer instead, or say why with '// name look-up: <reason>':"
    printf '%s\n' "$found"
    exit 1
fi
echo "name look-ups: none outside the marked lines"
