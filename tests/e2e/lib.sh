# Helpers shared by the end-to-end scripts. Each script runs under its own Xvfb display.

e2e_setup() {
  E2E_TMP=$(mktemp -d)
  export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
  mkdir -p "$VEXMORA_BUILD/e2e"
  E2E_PIDS=()
  E2E_GROUPS=()
  trap e2e_teardown EXIT
  # The program asks the maker's web host at start; a quiet one keeps the check's warning from
  # popping up over the window and taking the keys a script types.
  e2e_start_site --tutorial false --version false
}

# e2e_private_home: a home and configuration folder of the script's own, empty at start, so a
# script can check that nothing is written there.
e2e_private_home() {
  export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config"
  mkdir -p "$HOME"
}

# e2e_start_site OPTIONS...: starts maker-site on a free loopback port and makes it the
# program's web host (VEXMORA_WEB_HOST, set to E2E_SITE_HOST); E2E_SITE_PID is its process.
# The last one started is the host of programs started from then on.
e2e_start_site() {
  local out
  out=$(mktemp "$E2E_TMP/site.XXXXXX")
  "$VEXMORA_BIN/maker-site" --host 127.0.0.1 --port 0 "$@" >"$out" 2>>"$E2E_TMP/site.log" &
  E2E_PIDS+=($!)
  E2E_SITE_PID=$!
  e2e_wait_until "maker-site $* to print 'listening on 127.0.0.1:PORT'" 60 \
    e2e_site_listening "$out" "$E2E_SITE_PID"
  E2E_SITE_HOST=$(sed -n 's/^listening on //p' "$out" | head -n 1)
  export VEXMORA_WEB_HOST=$E2E_SITE_HOST
}

e2e_teardown() {
  for group in "${E2E_GROUPS[@]}"; do kill -- "-$group" 2>/dev/null || true; done
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}

# e2e_site_listening OUTPUT PID: maker-site has announced its port; fails the script when the
# process has ended instead.
e2e_site_listening() {
  grep -q '^listening on ' "$1" && return 0
  kill -0 "$2" 2>/dev/null || fail "maker-site ended: $(cat "$1" "$E2E_TMP/site.log")"
  return 1
}

# e2e_wait_until WHAT SECONDS CMD ARGS...: runs the command every tenth of a second until it
# succeeds; after the deadline fails the script, saying what it waited for. Waiting on a
# condition with a generous deadline keeps a busy machine from failing a test, where a fixed
# sleep would either waste time or be too short.
e2e_wait_until() {
  local what=$1 seconds=$2 deadline
  shift 2
  deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "waited ${seconds}s for $what"
    sleep 0.1
  done
}

# e2e_start CMD ARGS...: starts a program in the background and remembers it.
e2e_start() {
  "$@" &
  E2E_PIDS+=($!)
  E2E_LAST_PID=$!
}

# e2e_start_group LOG CMD ARGS...: starts a program that starts helpers of its own (a session
# bus and the services it activates) in a process group of its own, output to LOG. The whole
# group ends with the script, and none of it keeps the test's output open.
e2e_start_group() {
  local log=$1
  shift
  setsid "$@" >"$log" 2>&1 </dev/null &
  E2E_GROUPS+=($!)
}

# e2e_wait_window NAME [SECONDS]: prints the id of the first visible window with that name.
# The default deadline is long because a loaded machine may take many seconds to start a
# program; a window that comes sooner costs nothing.
e2e_wait_window() {
  local name=$1 seconds=${2:-60} id deadline
  deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -lt "$deadline" ]; do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "e2e: waited ${seconds}s for a visible window named '$name'; windows now:" >&2
  xdotool search --name '.' getwindowname %@ 2>/dev/null | sort | uniq -c | head -n 20 >&2 || true
  return 1
}

# e2e_has_focus WINDOW: the X input focus is on the window, so that keys typed now reach it
# whatever the pointer does; when it is not, asks the server to put it there. Without a
# window manager nobody else gives a new window the focus: the keys would go to whatever
# window lies under the pointer.
e2e_has_focus() {
  [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$1" ] && return 0
  xdotool windowfocus "$1" 2>/dev/null || true
  return 1
}

# e2e_wait_focus WINDOW [SECONDS]: gives the window the input focus and waits until it has it.
e2e_wait_focus() {
  e2e_wait_until "the input focus on window $1 ($(xdotool getwindowname "$1" 2>/dev/null || true))" \
    "${2:-60}" e2e_has_focus "$1"
}

# e2e_bind_keys TEXT: gives every character of the text outside ASCII a key of its own in the
# server's keymap. xdotool would otherwise bind a spare key for each such character while it
# types, and a program that reads the changed keymap a moment too late drops the character;
# bound before the program starts, the keymap never changes under it. Call before starting
# the program that is typed into.
e2e_bind_keys() {
  local chars free expressions=() char code
  chars=$(printf '%s' "$1" | LC_ALL=C.UTF-8 grep -o '[^ -~]' | sort -u || true)
  [ -n "$chars" ] || return 0
  mapfile -t free < <(xmodmap -pke | awk 'NF == 3 && $1 == "keycode" && $2 >= 128 {print $2}')
  local index=0
  while IFS= read -r char; do
    [ -n "$char" ] || continue
    [ "$index" -lt "${#free[@]}" ] || fail "no free key left in the keymap for '$char'"
    code=$(printf '%s' "$char" | iconv -f UTF-8 -t UTF-32BE | od -An -tx1 | tr -d ' \n' | sed 's/^0*//')
    expressions+=(-e "keycode ${free[$index]} = U$(printf '%04X' "0x$code") U$(printf '%04X' "0x$code")")
    index=$((index + 1))
  done <<<"$chars"
  xmodmap "${expressions[@]}" || fail "xmodmap could not bind the keys for '$1'"
}

# e2e_screenshot FILE: the whole screen as a PNG.
e2e_screenshot() {
  import -window root "$1"
}

fail() {
  echo "e2e: $*" >&2
  exit 1
}

# e2e_field_text: prints what the text field with the keyboard focus holds, read through the
# clipboard (select all, copy). A mark put on the clipboard first tells the field's own copy
# from a read made before the program has handled the keys.
e2e_field_text() {
  E2E_CLIP_MARK="e2e-unread-$$-$RANDOM$RANDOM"
  printf '%s' "$E2E_CLIP_MARK" | xclip -selection clipboard -i >/dev/null 2>&1
  e2e_wait_until "the mark on the clipboard" 60 e2e_clipboard_is_mark
  xdotool key ctrl+a ctrl+c
  e2e_wait_until "the field's text on the clipboard" 60 e2e_clipboard_not_mark
  printf '%s' "$E2E_CLIP_TEXT"
}

e2e_clipboard_is_mark() {
  [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$E2E_CLIP_MARK" ]
}

e2e_clipboard_not_mark() {
  E2E_CLIP_TEXT=$(xclip -selection clipboard -o 2>/dev/null) && [ "$E2E_CLIP_TEXT" != "$E2E_CLIP_MARK" ]
}

# e2e_type_into_field WINDOW FOCUS_KEY TEXT: types the text into the field that FOCUS_KEY (its
# label's mnemonic) gives the keyboard focus to, then reads the field back, and types it again
# while the field holds anything else. Keys typed into a dialog may meet a field that does not
# have the focus yet, or a completer that acts on them, as a user typing ahead would; the
# field is checked rather than trusted. Answers 1 when it still differs after three tries;
# E2E_FIELD_TEXT holds what was read last.
e2e_type_into_field() {
  local window=$1 focus_key=$2 text=$3 attempt
  E2E_FIELD_TEXT=
  for attempt in 1 2 3; do
    e2e_wait_focus "$window"
    xdotool key "$focus_key"
    # Typing over the selection replaces whatever the field held.
    xdotool key ctrl+a
    xdotool type --delay 20 "$text"
    E2E_FIELD_TEXT=$(e2e_field_text)
    [ "$E2E_FIELD_TEXT" = "$text" ] && return 0
    echo "e2e: try $attempt: the field held '$E2E_FIELD_TEXT', not '$text'" >&2
  done
  return 1
}

# e2e_store_with_website WEBSITE: an installation store of version 1.2 naming WEBSITE, found
# through XDG_CONFIG_DIRS.
e2e_store_with_website() {
  local store="$E2E_TMP/store"
  mkdir -p "$store/Orvanti"
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Orvanti\\Vexmora]\r\n"Version"="1.2"\r\n"Website"="%s"\r\n' \
    "$1" >"$store/Orvanti/Vexmora.reg"
  export XDG_CONFIG_DIRS="$store"
}

# e2e_record_opened: without a desktop environment Qt hands every address to xdg-open; puts
# one first on PATH that records each address, a line each, in the file $opened.
e2e_record_opened() {
  opened="$E2E_TMP/opened"
  mkdir -p "$E2E_TMP/bin"
  printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$opened" >"$E2E_TMP/bin/xdg-open"
  chmod +x "$E2E_TMP/bin/xdg-open"
  export PATH="$E2E_TMP/bin:$PATH"
  unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
  : >"$opened"
}

# e2e_geometry WINDOW: prints "x y width height" of the window.
e2e_geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '
    /^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2}
    END {print x, y, w, h}'
}

# The skinned frame around the program's client area, as the window's edges lie from it:
# without a compositor the standard frame (8 pixels at the sides and the bottom, 31 at the top:
# border and title bar); with one the internal skin's extended border (22 at the sides and the
# bottom, a 48 title) and its 17-pixel shadow. Points of the client area are given from the
# window's corner, so they lie that much further in. Scripts that start a compositor call
# e2e_frame_margins once it runs.
E2E_FRAME_LEFT=8 E2E_FRAME_TOP=31 E2E_FRAME_RIGHT=8 E2E_FRAME_BOTTOM=8
e2e_frame_margins() {
  if e2e_compositor_running; then
    E2E_FRAME_LEFT=39 E2E_FRAME_TOP=65 E2E_FRAME_RIGHT=39 E2E_FRAME_BOTTOM=39
  else
    E2E_FRAME_LEFT=8 E2E_FRAME_TOP=31 E2E_FRAME_RIGHT=8 E2E_FRAME_BOTTOM=8
  fi
}

# e2e_compositor_mode MODE: with "composited", starts xcompmgr and waits until it owns the
# screen's compositing selection; in either mode sets the frame margins that follow from it.
e2e_compositor_mode() {
  if [ "$1" = composited ]; then
    e2e_start xcompmgr
    e2e_wait_until "a compositing manager" 60 xprop -root _NET_WM_CM_S0 >/dev/null
  fi
  e2e_frame_margins
}

# e2e_compositor_running: a compositing manager holds the screen's selection (asked with the
# system Python, which has python3-xlib).
e2e_compositor_running() {
  /usr/bin/python3 -c 'from Xlib import display; d = display.Display(); a = d.intern_atom("_NET_WM_CM_S0"); raise SystemExit(0 if d.get_selection_owner(a) else 1)'
}
