#!/usr/bin/env bash
# Unpacks the Windows zip and drives its KorrinWizard.exe under Wine, on a
# virtual X display, through every page with the keyboard as a user would:
# the project comes from the command line, the destination is typed in, the
# C and header extensions are ticked, and Finish converts it with the
# Korrin.exe beside the wizard. What the wizard shows is read back by copying
# the focused field or log to the clipboard, so that nothing depends on how
# Wine draws. Prints the log; fails unless it ends in the success line and the
# project was written.
# Usage: test-wizard-exe.sh WINE ZIP PROJECT.pjt WORK_FOLDER   (WINE: the loader for the zip's bitness)
set -euo pipefail
wine="$1" zip="$2" project="$3" work="$4"

rm -rf "$work/wizard" "$work/run"
mkdir -p "$work/wizard" "$work/run/out"
unzip -q "$zip" -d "$work/wizard"
wizard=$(echo "$work"/wizard/*/KorrinWizard.exe)
cd "$work/run"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display_file="$work/display"
: >"$display_file"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>"$work/xvfb.log" &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

for _ in $(seq 50); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(cat "$display_file")"
export DISPLAY

windows_path() {
  echo "Z:${1//\//\\}"
}

"$wine" wineboot -i >/dev/null 2>&1
"$wine" "$wizard" "$(windows_path "$project")" >"$work/wizard.log" 2>&1 &
wizard_pid=$!

window=$(timeout 60 xdotool search --sync --name '^TI Code Composer Project Converter 1\.0$' | head -1) ||
  fail "the wizard's window did not appear"
xdotool windowfocus --sync "$window"

keys() {
  xdotool key --delay 150 "$@"
}

# What the focused field or log holds, as Ctrl+A Ctrl+C puts it on the clipboard.
copied() {
  keys ctrl+a ctrl+c
  sleep 0.3
  timeout 5 xclip -selection clipboard -o 2>/dev/null || true
}

# Waits until the focused widget holds TEXT, pressing KEY between looks.
await() {
  local text="$1" key="$2" seconds="$3" shown=""
  local deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -lt "$deadline" ]; do
    shown=$(copied)
    [[ "$shown" == *"$text"* ]] && return 0
    [ -z "$key" ] || keys "$key"
    sleep 1
  done
  fail "waited ${seconds}s for \"$text\"; the focused widget holds: $shown"
}

# Next and Finish are pressed by their shortcuts, Alt+N and Alt+F: Return would
# follow a link of the selected summary rather than press the default button.
# The project field has the focus and the path given on the command line.
await "$(windows_path "$project")" "" 20
# Past its Browse button and the tree check box to the destination folder.
keys Tab Tab Tab
xdotool type --delay 50 out
await out "" 5
# Past its Browse button to the name, which comes from Korrin.exe -name.
keys Tab Tab
await app "" 30
keys alt+n # to the personalities, all left empty
keys alt+n # to the extensions
keys Tab Tab Tab space Tab space alt+n # *.c and *.h, then to the build macros
# Next is on once Korrin has listed the macros; the summary shows then.
await $'File Extensions:\nc,h' alt+n 60
# Finish, once the summary has turned it on.
await "Initialising Project Conversion ..." alt+f 30
await "Project Converted Successfully!" "" 120
log=$(copied)
echo "$log"

[[ "$log" == *"Creating Corvel/Corvel++ Project ..."* ]] || fail "no project was created"
head -c 14 out/app.prj | cmp -s - <(printf 'VersionTag45\r\n') || fail "out/app.prj does not begin as a project"
grep -q '\\src\\main\.c'$'\r''$' out/app.prj || fail "out/app.prj does not list src\\main.c"

keys Escape # Close
timeout 30 tail --pid="$wizard_pid" -f /dev/null || fail "the wizard did not close"
wait "$wizard_pid" || fail "the wizard exited with status $?"
echo "KorrinWizard.exe converted the project and closed."
