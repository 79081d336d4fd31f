#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Fails on an include that runs against the layers: every `#include "dir/..."` of a product
# folder must be one of its own or one that the table of arrows in docs/ARCHITECTURE.md allows.
# A header's inline code links from anywhere, so the libraries' link order alone does not
# catch one.
# Usage: tests/check-layers.sh <source dir>
set -euo pipefail
cd "${1:?usage: tests/check-layers.sh <source dir>}"

# Rows such as: | `shell` | `mainwindow` (`MainForm.h` only), `look` |
# "layer used" holds "*", or the one file of `used` that the layer may include.
declare -A allowed only
layers=()
while IFS='|' read -r _ users uses _; do
    used=() only=()
    for name in $(grep -o '`[^`]*`' <<<"$uses" | tr -d '`'); do
        if [[ $name == *.* ]]; then
            only[${used[-1]}]=$name
        else
            used+=("$name")
        fi
    done
    for layer in $(grep -o '`[^`]*`' <<<"$users" | tr -d '`'); do
        layers+=("$layer")
        for name in "${used[@]}"; do
            allowed["$layer $name"]=${only[$name]:-*}
        done
    done
done < <(grep '^| `' docs/ARCHITECTURE.md)
[[ ${#layers[@]} -gt 0 ]] || { echo "no table of arrows in docs/ARCHITECTURE.md" >&2; exit 2; }

bad=0
while IFS=: read -r file line target; do
    layer=${file%%/*} used=${target%%/*}
    [[ $used == "$layer" ]] && continue
    rule=${allowed["$layer $used"]:-}
    if [[ -z $rule || ($rule != '*' && $rule != "${target#*/}") ]]; then
        echo "$file:$line: $layer may not include $target"
        bad=1
    fi
done < <(grep -rnoE '^#include "[^"/]+/[^"]+"' --include='*.h' --include='*.cpp' --include='*.in' \
    "${layers[@]}" | sed -E 's/#include "(.*)"/\1/')
[[ $bad == 0 ]] && echo "layers: the includes of ${layers[*]} keep to the arrows"
exit $bad
