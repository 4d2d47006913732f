#!/usr/bin/env bash
# Checks that every source file includes only headers of the layers it may
# use; names each include that breaks the rule and fails.
#
# The layers, written once here. Each stack runs from the bottom up, and a
# layer may include its own headers and those of the layers below it in its
# stack:
#
#   app stack:    platform <- Numerics <- app/curves/core
#                 <- app/curves/math | app/curves/saving
#                 <- app/curves/measurements | app/curves/quad
#                    | app/curves/exports
#                 <- app/curves/linearization <- app/inks
#   chart stack:  Charts/drawing <- Charts/foundation <- Charts/data
#                 <- Charts/render <- Charts/views <- Charts/types/<kind>
#                 <- Charts/combined
#   ui stack:     app/ui/widgets <- app/ui/preview | app/ui/graphs
#                 <- app/ui/editors <- app/ui/linearization | app/ui/blending
#                 <- app/ui/shell
#
# Folders joined by | share a rank: none of them includes another.
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
#   - The interface, app/ui, is on top of both stacks: each of its folders
#     may include every layer of them (but the test seams).
#   - Every file of app/curves and of app/ui is in one of its layer folders
#     (but its CMakeLists.txt); a file directly in either, or in a folder of
#     theirs that the stacks do not name, fails.
#   - tests, bench, fuzz and tools may include anything; no layer includes them.
#
# An include is resolved beside the including file first, then from the root;
# one that names no file of the tree (a system header) is not a layering
# matter. A generated form header, "ui_<Form>.h", is the Designer form
# <Form>.ui: beside the including file, else the one of that name in the
# tree; and a form's <header> lines (the headers of its custom widgets,
# included by the form's generated header) are includes of the form. A
# source file in a folder that is no layer fails too, so a new folder gets
# its place here.
#
# Usage: scripts/check_layers.sh [ROOT]   (default: this script's repository)
set -euo pipefail

root=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
root=$(cd "$root" && pwd)

# Each stack bottom up; the folders of one entry share a rank.
app_stack=(platform Numerics app/curves/core "app/curves/math app/curves/saving"
  "app/curves/measurements app/curves/quad app/curves/exports" app/curves/linearization app/inks)
chart_stack=(Charts/drawing Charts/foundation Charts/data Charts/render Charts/views Charts/types Charts/combined)
ui_stack=(app/ui/widgets "app/ui/preview app/ui/graphs" app/ui/editors "app/ui/linearization app/ui/blending" app/ui/shell)
free_folders=(tests bench fuzz tools)

declare -A stack_of rank_of
for i in "${!app_stack[@]}"; do
  for folder in ${app_stack[$i]}; do
    stack_of[$folder]=app
    rank_of[$folder]=$i
  done
done
for i in "${!chart_stack[@]}"; do
  stack_of[${chart_stack[$i]}]=chart
  rank_of[${chart_stack[$i]}]=$i
done
for i in "${!ui_stack[@]}"; do
  for folder in ${ui_stack[$i]}; do
    stack_of[$folder]=ui
    rank_of[$folder]=$i
  done
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
  app/ui/*/*)
    local rest=${path#app/ui/}
    folder="app/ui/${rest%%/*}"
    [[ "${stack_of[$folder]:-}" == ui ]] && layer=$folder
    return 0
    ;;
  app/ui/*) return 0 ;;
  app/curves/*/*)
    local rest=${path#app/curves/}
    folder="app/curves/${rest%%/*}"
    [[ "${stack_of[$folder]:-}" == app ]] && layer=$folder
    return 0
    ;;
  app/curves/*) return 0 ;;
  Charts/types/*/*)
    local kind=${path#Charts/types/}
    layer="Charts/types/${kind%%/*}"
    return
    ;;
  esac
  for folder in "${free_folders[@]}"; do
    [[ "$path" == "$folder"/* ]] && { layer=free; return; }
  done
  for folder in ${app_stack[@]} "${chart_stack[@]}"; do
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
  free | platform/testing) return 1 ;;
  platform/qt) [[ "$from" == app/ui/* ]]; return ;;
  app/ui/*)
    [[ "$from" == app/ui/* ]] || return 1
    ((${rank_of[$to]} < ${rank_of[$from]}))
    return
    ;;
  esac
  case "$from" in
  app/ui/*) return 0 ;;
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
header_pattern='<header>[[:space:]]*([^<[:space:]]+)[[:space:]]*</header>'
checked=0
form_lines=0
form_includes=0
broken=0

# The Designer forms of the tree by name, for the generated headers.
declare -A form_at
while IFS= read -r form; do
  form=${form#"$root"/}
  base=${form##*/}
  [[ -n "${form_at[${base%.ui}]:-}" ]] || form_at[${base%.ui}]=$form
done < <(find "$root" -type d \( -name 'build*' -o -name .git \) -prune -o -type f -name '*.ui' -print | sort)

# check_edge FROM_PATH LINE TARGET [WHAT]: one include of TARGET (a path of
# the tree) by FROM_PATH at LINE; WHAT names a target that is no plain header.
check_edge() {
  local from_path=$1 line=$2 to=$3 what=${4:-$3} from_layer to_layer
  set_layer_of "$from_path"
  from_layer=$layer
  set_layer_of "$to"
  to_layer=$layer
  checked=$((checked + 1))
  if [[ -z "$from_layer" ]]; then
    echo "$from_path:$line: the file is in no layer; give its folder a place in scripts/check_layers.sh" >&2
    broken=$((broken + 1))
  elif [[ -z "$to_layer" ]]; then
    echo "$from_path:$line: includes $what, which is in no layer" >&2
    broken=$((broken + 1))
  elif [[ "$to_layer" == free && "$from_layer" != free ]]; then
    echo "$from_path:$line: includes $what: no layer includes tests, bench, fuzz or tools" >&2
    broken=$((broken + 1))
  elif ! may_include "$from_layer" "$to_layer"; then
    echo "$from_path:$line: includes $what: $from_layer may not include $to_layer" >&2
    broken=$((broken + 1))
  fi
}

# Sets `target` to the file of the tree an include names from a folder:
# beside it first, then from the root; "" when it names none.
set_resolved() {
  local from_dir=$1 name=$2
  target=""
  if [[ -f "$root/$from_dir/$name" ]]; then
    set_normalized "$from_dir/$name"
  elif [[ -f "$root/$name" ]]; then
    set_normalized "$name"
  fi
}

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

  set_resolved "$from_dir" "$name"
  if [[ -n "$target" ]]; then
    check_edge "$from_path" "$line" "$target"
    continue
  fi
  # A generated form header: the form it is made from.
  base=${name##*/}
  [[ "$base" =~ ^ui_(.+)\.h$ ]] || continue
  form_name=${BASH_REMATCH[1]}
  if [[ -f "$root/$from_dir/$form_name.ui" ]]; then
    set_normalized "$from_dir/$form_name.ui"
  elif [[ -n "${form_at[$form_name]:-}" ]]; then
    target=${form_at[$form_name]}
  else
    continue
  fi
  form_includes=$((form_includes + 1))
  check_edge "$from_path" "$line" "$target" "$name (the form $target)"
done < <(grep -rnE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cpp.in' \
  --exclude-dir='build*' --exclude-dir='.git' "$include_pattern" "$root" || true)

# The forms' custom widgets: their generated headers include these headers.
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  text=${rest#*:}
  [[ "$text" =~ $header_pattern ]] || continue
  from_path=${file#"$root"/}
  from_dir=.
  [[ "$from_path" == */* ]] && from_dir=${from_path%/*}
  set_resolved "$from_dir" "${BASH_REMATCH[1]}"
  [[ -n "$target" ]] || continue
  form_lines=$((form_lines + 1))
  check_edge "$from_path" "$line" "$target"
done < <(grep -rnE --include='*.ui' --exclude-dir='build*' --exclude-dir='.git' "$header_pattern" "$root" || true)

# Every file of app/curves and app/ui is in a folder of its stack.
misplaced=0
for parent in app/curves app/ui; do
  [[ -d "$root/$parent" ]] || continue
  stack=app
  [[ "$parent" == app/ui ]] && stack=ui
  while IFS= read -r file; do
    path=${file#"$root"/}
    rest=${path#"$parent"/}
    if [[ "$rest" != */* ]]; then
      [[ "$rest" == CMakeLists.txt ]] && continue
      echo "$path: a file directly in $parent; it goes in the folder of its layer (the $stack stack in scripts/check_layers.sh)" >&2
    else
      [[ "${stack_of[$parent/${rest%%/*}]:-}" == "$stack" ]] && continue
      echo "$path: $parent/${rest%%/*} is in no layer; give it a place in the $stack stack of scripts/check_layers.sh" >&2
    fi
    misplaced=$((misplaced + 1))
  done < <(find "$root/$parent" -type d \( -name 'build*' -o -name .git \) -prune -o -type f -print | sort)
done

of_which="$form_lines of them forms' <header> lines, $form_includes generated form headers"
if ((broken > 0 || misplaced > 0)); then
  ((broken == 0)) || echo "check_layers: $broken of $checked includes break the layering ($of_which; the rule is written at the top of scripts/check_layers.sh)" >&2
  ((misplaced == 0)) || echo "check_layers: $misplaced files of app/curves or app/ui are in no folder of their stack" >&2
  exit 1
fi
echo "check_layers: $checked includes of the tree keep the layering ($of_which)"
