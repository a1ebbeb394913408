# Helpers for scripts that open the program's menus. They expect $main (the main window's id)
# and $hot (the hot item's colour as six hex digits) to be set.

# e2e_colour_at X Y [FILE]: the pixel's colour as six hex digits, from the file or the screen now.
e2e_colour_at() {
  local file=${3:-}
  if [ -z "$file" ]; then
    file="$E2E_TMP/now.png"
    e2e_screenshot "$file"
  fi
  convert "$file" -format "%[hex:p{$1,$2}]" info: | cut -c1-6 | tr 'a-f' 'A-F'
}

# popup_open [NOT]: a visible window of the program other than the main window (and other than
# NOT) is mapped; sets popup to its id and px py pw ph to its geometry.
popup_open() {
  local id
  for id in $(xdotool search --onlyvisible --class vexmora 2>/dev/null || true); do
    [ "$id" != "$main" ] && [ "$id" != "${1:-}" ] || continue
    popup=$id
    read -r px py pw ph < <(e2e_geometry "$id")
    return 0
  done
  return 1
}

no_popup() { ! popup_open; }

# hot_at X Y: the pixel has the hot colour now.
hot_at() { [ "$(e2e_colour_at "$1" "$2")" = "$hot" ]; }

# hover_item NAME INDEX: moves the pointer over the pop-up's item INDEX (items are at least 22
# pixels high, under the 1-pixel border and 3 pixels of margin) and waits until it is hot.
hover_item() {
  local y=$((py + 4 + 22 * $2 + 11))
  xdotool mousemove "$((px + pw / 2))" "$y"
  e2e_wait_until "the hot colour on the $1 menu's item $2" 30 hot_at "$((px + pw - 6))" "$y"
}
