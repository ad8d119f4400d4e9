#!/usr/bin/env bash
# Fails when an object of the core library depends on a header of Qt's GUI,
# widget or printing modules, as the compiler's own dependency lists give them:
# inline GUI code (a QColor, say) would link without a trace, so the link check
# alone cannot see it. Ninja keeps those lists in its log (`ninja -t deps`);
# other generators leave them in .d files beside the objects.
set -euo pipefail
build=$1
core=src/core/CMakeFiles/tessaron_core.dir/
if [[ -f $build/.ninja_deps ]]; then
    listing=$(ninja -C "$build" -t deps)
else
    listing=$(find "$build/$core" -name '*.o.d' -exec sh -c 'printf "%s:\n" "$1"; cat "$1"' _ {} \;)
fi
objects=$(grep -c "^[^ ]*$core" <<<"$listing" || true)
if [[ $objects -eq 0 ]]; then
    echo "no dependency list of the core library was found in $build"
    exit 1
fi
bad=$(awk -v core="$core" '
    /^[^ \t]/ { inCore = index($1, core) > 0; object = $1; next }
    inCore && /\/Qt(Gui|Widgets|PrintSupport)\// { print "  " object " " $1 }' <<<"$listing")
if [[ -n $bad ]]; then
    echo "core objects that use Qt's GUI headers:"
    sort -u <<<"$bad" | head -20
    exit 1
fi
echo "no core object uses a Qt GUI header ($objects objects)"
