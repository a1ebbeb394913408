# Helpers shared by the end-to-end scripts. Each script runs under its own Xvfb display.

e2e_setup() {
  E2E_TMP=$(mktemp -d)
  export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
  mkdir -p "$VEXMORA_BUILD/e2e"
  E2E_PIDS=()
  trap e2e_teardown EXIT
}

e2e_teardown() {
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}

# e2e_start CMD ARGS...: starts a program in the background and remembers it.
e2e_start() {
  "$@" &
  E2E_PIDS+=($!)
  E2E_LAST_PID=$!
}

# e2e_wait_window NAME [SECONDS]: prints the id of the first visible window with that name.
e2e_wait_window() {
  local name=$1 seconds=${2:-20} id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "e2e: no window named '$name' after ${seconds}s" >&2
  return 1
}

# e2e_screenshot FILE: the whole screen as a PNG.
e2e_screenshot() {
  import -window root "$1"
}

fail() {
  echo "e2e: $*" >&2
  exit 1
}
