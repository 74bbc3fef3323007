#!/usr/bin/env bash
# Plants each kind of include that scripts/check-layers must refuse in a copy
# of the sources, one kind at a time, and checks that the script names it;
# the sources as they stand pass.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$root/src" "$root/scripts" "$copy/"

failed=0
planted=()

# Adds an include as line 2 of the first .cpp file of a folder of src.
plant() { # folder, include line
    local files=("$copy/src/$1"/*.cpp)
    planted+=("${files[0]#"$copy/"}")
    sed -i "1a $2" "${files[0]}"
}

# Runs the script on the copy: it must fail naming the text (or pass, given
# none), then the planted files are put back.
expect() { # what is planted, the text expected or nothing
    local out rc=0
    out=$("$copy/scripts/check-layers" 2>&1) || rc=$?
    if [[ -z ${2-} ]]; then
        if ((rc == 0)); then
            echo "ok   $1: passes"
        else
            echo "FAIL $1: refused:"$'\n'"$out"
            failed=1
        fi
    elif ((rc == 0)) || [[ $out != *"$2"* ]]; then
        echo "FAIL $1: expected \"$2\", got (exit $rc):"$'\n'"$out"
        failed=1
    else
        echo "ok   $1: $out"
    fi
    for file in "${planted[@]}"; do
        cp "$root/$file" "$copy/$file"
    done
    planted=()
}

expect 'the sources as they stand'

plant gui/display '#include <gui/floor/frmMain.h>'
expect 'a header in angle brackets' '#include <gui/floor/frmMain.h>: a project header is included in quotes'

plant core/store '#include "../floor/Levels.h"'
expect 'a relative path' '#include "../floor/Levels.h": a project header is included by its path from src/'

plant gui/setup '#include "gui/floor/frmMain.h"'
plant gui/floor '#include "gui/setup/frmAddEditTournament.h"'
expect 'two subsystems' 'gui/floor and gui/setup include each other'

plant gui/setup '#include "gui/web/frmWebResultsManager.h"'
plant gui/web '#include "gui/display/frmDisplay.h"'
plant gui/display '#include "gui/setup/frmAddEditTournament.h"'
expect 'a ring of three' 'gui/display -> gui/setup -> gui/web -> gui/display include each other in a ring'

exit $failed
