#!/usr/bin/env bash
# Checks that every source file includes only headers of the layers it may
# use; names each include that breaks the rule and fails.
#
# The layers, written once here. Each stack runs from the bottom up, and a
# layer may include its own headers and those of the layers below it in its
# stack:
#
#   app stack:    platform <- Numerics <- app/curves <- app/inks
#   chart stack:  Charts/drawing <- Charts/foundation <- Charts/data
#                 <- Charts/render <- Charts/views <- Charts/types/<kind>
#                 <- Charts/combined
#
# Beyond that:
#   - The chart stack sits beside the app stack, on platform: every chart
#     layer may include platform/, and nothing else of the app stack.
#   - Each chart type, Charts/types/<kind>, is a layer of its own: one kind
#     does not include another. The combined chart, which draws several
#     kinds in one view, stands above them all and may include any kind.
#   - platform/qt carries the platform services out with Qt widgets; it builds
#     on platform, and only app/ui includes it.
#   - platform/testing holds the test seams; it builds on platform, and only
#     tests, bench and fuzz include it.
#   - app/ui is on top and may include every layer (but the test seams).
#   - tests, bench, fuzz and tools may include anything; no layer includes them.
#
# An include is resolved beside the including file first, then from the root;
# one that names no file of the tree (a system or generated header) is not a
# layering matter. A source file in a folder that is no layer fails too, so a
# new folder gets its place here.
#
# Usage: scripts/check_layers.sh [ROOT]   (default: this script's repository)
set -euo pipefail

root=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
root=$(cd "$root" && pwd)

app_stack=(platform Numerics app/curves app/inks)
chart_stack=(Charts/drawing Charts/foundation Charts/data Charts/render Charts/views Charts/types Charts/combined)
free_folders=(tests bench fuzz tools)

declare -A stack_of rank_of
for i in "${!app_stack[@]}"; do
  stack_of[${app_stack[$i]}]=app
  rank_of[${app_stack[$i]}]=$i
done
for i in "${!chart_stack[@]}"; do
  stack_of[${chart_stack[$i]}]=chart
  rank_of[${chart_stack[$i]}]=$i
done

# Sets `layer` to the layer of a path relative to the root: a layer name,
# "free" for the folders that may include anything, or "" when the path is in
# no layer. (Results go through variables: the check runs for every include.)
set_layer_of() {
  local path=$1 folder
  layer=""
  case "$path" in
  platform/testing/*) layer=platform/testing; return ;;
  platform/qt/*) layer=platform/qt; return ;;
  app/ui/*) layer=app/ui; return ;;
  Charts/types/*/*)
    local kind=${path#Charts/types/}
    layer="Charts/types/${kind%%/*}"
    return
    ;;
  esac
  for folder in "${free_folders[@]}"; do
    [[ "$path" == "$folder"/* ]] && { layer=free; return; }
  done
  for folder in "${app_stack[@]}" "${chart_stack[@]}"; do
    [[ "$path" == "$folder"/* ]] && { layer=$folder; return; }
  done
  return 0
}

# Whether a file of layer $1 may include a header of layer $2. Each chart
# type stands where Charts/types does in its stack.
may_include() {
  local from=$1 to=$2
  [[ "$from" == "$to" || "$from" == free ]] && return 0
  case "$to" in
  free | platform/testing | app/ui) return 1 ;;
  platform/qt) [[ "$from" == app/ui ]]; return ;;
  esac
  case "$from" in
  app/ui) return 0 ;;
  platform/qt | platform/testing) [[ "$to" == platform ]]; return ;;
  esac
  local from_base=$from to_base=$to
  [[ "$from_base" == Charts/types/* ]] && from_base=Charts/types
  [[ "$to_base" == Charts/types/* ]] && to_base=Charts/types
  [[ -n "${stack_of[$from_base]:-}" && -n "${stack_of[$to_base]:-}" ]] || return 1
  if [[ "${stack_of[$from_base]}" == "${stack_of[$to_base]}" ]]; then
    ((${rank_of[$to_base]} < ${rank_of[$from_base]}))
    return
  fi
  [[ "${stack_of[$from_base]}" == chart && "$to" == platform ]]
}

# Sets `target` to a relative path with "." and ".." segments folded away.
set_normalized() {
  target=$1
  [[ "$target" == *./* || "$target" == ./* ]] || return 0
  local part out=()
  IFS=/ read -ra parts <<<"$target"
  for part in "${parts[@]}"; do
    case "$part" in
    '' | .) ;;
    ..) ((${#out[@]} > 0)) && unset 'out[${#out[@]}-1]' ;;
    *) out+=("$part") ;;
    esac
  done
  local IFS=/
  target="${out[*]}"
}

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"]'
checked=0
broken=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  text=${rest#*:}
  [[ "$text" =~ $include_pattern ]] || continue
  name=${BASH_REMATCH[1]}
  from_path=${file#"$root"/}
  from_dir=.
  [[ "$from_path" == */* ]] && from_dir=${from_path%/*}

  if [[ -f "$root/$from_dir/$name" ]]; then
    set_normalized "$from_dir/$name"
  elif [[ -f "$root/$name" ]]; then
    set_normalized "$name"
  else
    continue
  fi

  set_layer_of "$from_path"
  from_layer=$layer
  set_layer_of "$target"
  to_layer=$layer
  checked=$((checked + 1))
  if [[ -z "$from_layer" ]]; then
    echo "$from_path:$line: the file is in no layer; give its folder a place in scripts/check_layers.sh" >&2
    broken=$((broken + 1))
  elif [[ -z "$to_layer" ]]; then
    echo "$from_path:$line: includes $target, which is in no layer" >&2
    broken=$((broken + 1))
  elif [[ "$to_layer" == free && "$from_layer" != free ]]; then
    echo "$from_path:$line: includes $target: no layer includes tests, bench, fuzz or tools" >&2
    broken=$((broken + 1))
  elif ! may_include "$from_layer" "$to_layer"; then
    echo "$from_path:$line: includes $target: $from_layer may not include $to_layer" >&2
    broken=$((broken + 1))
  fi
done < <(grep -rnE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cpp.in' \
  --exclude-dir='build*' --exclude-dir='.git' "$include_pattern" "$root" || true)

if ((broken > 0)); then
  echo "check_layers: $broken of $checked includes break the layering (the rule is written at the top of scripts/check_layers.sh)" >&2
  exit 1
fi
echo "check_layers: $checked includes of the tree keep the layering"
