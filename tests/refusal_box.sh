# Sourced by the window tests that start Tinctura a second time on a held data folder.
# refusal_box PID: prints the id of the refused start's message box once it shows; nothing if PID
# ends first or no box shows within 20 s.
refusal_box() {
  local pid=$1 box=""
  for _ in $(seq 1 200); do
    # The box's title is a UTF-8 name, which xdotool's search does not read.
    box=$(xwininfo -root -children | grep -o '^ *0x[0-9a-f]* "Tinctura is already open"' | grep -o '0x[0-9a-f]*' || true)
    [ -n "$box" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "$box"
}
