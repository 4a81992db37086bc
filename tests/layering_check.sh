#!/usr/bin/env bash
# The launcher's folders are layers: each may include only its own headers and those of the layers
# below it. Prints every include that reaches up or sideways, and fails when there is one.
set -euo pipefail
root=$1
layers=(common settings board command dialogs shell)
status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    folder=${layers[$i]}
    [ -d "$root/launcher/$folder" ] || { echo "layering: no folder launcher/$folder"; exit 1; }
    allowed=("${layers[@]:0:$((i + 1))}")
    while IFS=: read -r file line include; do
        target=$(echo "$include" | sed -E 's|.*"launcher/([a-z]+)/.*|\1|')
        ok=0
        for a in "${allowed[@]}"; do [ "$a" = "$target" ] && ok=1; done
        # The two subsystems beside each other on one layer never include each other.
        [ "$folder" = dialogs ] && [ "$target" = command ] && ok=0
        if [ $ok -eq 0 ]; then
            echo "$file:$line: $folder includes $target, a layer it may not use"
            status=1
        fi
    # -H: the file's name even where a folder holds one file.
    done < <(grep -Hn '#include "launcher/' "$root/launcher/$folder"/*)
done
[ $status -eq 0 ] && echo "layering: every include points down (${layers[*]})"
exit $status
