#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) with a window manager
# (openbox): for the tests that need real window activation and the
# keyboard's own key repeat. Without Xvfb or openbox the command runs without
# a display, and those tests skip themselves.
set -u
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  unset DISPLAY
  exec "$@"
fi
display=""
for n in $(seq 90 189); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=":$n"
    break
  fi
done
if [ -z "$display" ]; then
  unset DISPLAY
  exec "$@"
fi
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.05
done
export DISPLAY="$display"
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$@"
status=$?
kill "$wm" "$xvfb" 2>/dev/null
wait "$wm" "$xvfb" 2>/dev/null
exit $status
