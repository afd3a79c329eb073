#!/usr/bin/env bash
# The layers of src/ depend downwards only: store < engine < ui < app <
# print < windows < main.cpp. Every layer exports src/ as its include root, so the
# compiler would let a lower layer include a higher one; this check does
# not. It also keeps Qt out of store and engine, which are plain C++.
#
#   layering_test.sh PATH/TO/src
set -euo pipefail
src=$1

rank() {
  case $1 in
    store) echo 0 ;;
    engine) echo 1 ;;
    ui) echo 2 ;;
    app) echo 3 ;;
    print) echo 4 ;;
    windows) echo 5 ;;
    main.cpp) echo 6 ;;
    *) echo -1 ;;
  esac
}

checked=0
failures=0
while IFS= read -r file; do
  relative=${file#"$src"/}
  own=$(rank "${relative%%/*}")
  if ((own < 0)); then
    echo "FAIL: $relative is in no layer"
    failures=$((failures + 1))
    continue
  fi
  while IFS= read -r included; do
    checked=$((checked + 1))
    if (($(rank "${included%%/*}") > own)); then
      echo "FAIL: $relative includes $included, from a layer above its own"
      failures=$((failures + 1))
    fi
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
  if ((own <= 1)); then
    checked=$((checked + 1))
    if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
      echo "FAIL: $relative includes Qt, which store and engine never do"
      failures=$((failures + 1))
    fi
  fi
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

echo "layering: $checked includes and files checked"
echo "$((checked - failures)) passed, $failures failed"
((failures == 0))
