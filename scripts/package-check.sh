#!/usr/bin/env bash
# CI: builds the Debian packages from build/ (left by scripts/test.sh), installs them on this
# machine, starts the installed program under a private virtual X server twice: as a user who
# can write neither the installation nor the folder it is started from, then as root (who could
# write anywhere), and checks each time that
#   - the main window shows, with a drawn picture in it;
#   - the settings file is created in that user's configuration folder and nowhere else, and the
#     window closes through its exit confirmation;
#   - the installed files are unchanged (dpkg's checksums) and no file was added among them.
# Then purges the packages and checks that nothing is left under the installation folders (the
# packages are removed whatever happened). Uses sudo for apt, dpkg and the root start when not
# root.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
build=$src/build
out=$build/package-check
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
start_time=$(date +%s)

say() { echo "package-check: $*"; }
failures=()
fail() {
  say "FAIL: $*"
  failures+=("$*")
}

# The program's settings folder under the user's configuration folder.
config_folder=orvik

work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid=""
program_pid=""
installed=0
cleanup() {
  set +e
  [ -n "$program_pid" ] && kill -- -"$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  if [ "$installed" = 1 ]; then
    say "removing the packages"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -qq -o DPkg::Lock::Timeout=120 orvik orvik-data \
      >/dev/null
  fi
  $SUDO rm -rf "$work"
  say "done in $(($(date +%s) - start_time)) s"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# 1. The packages, from the build the tests left (only what is out of date is built).
if [ ! -f "$build/build.ninja" ]; then
  say "no build in build/: run scripts/test.sh (or scripts/build.sh) first"
  exit 1
fi
if ! grep -q '^ORVIK_BUILD_DEMO:BOOL=ON' "$build/CMakeCache.txt"; then
  say "build/ is configured without the demo dictionary: configure it with -DORVIK_BUILD_DEMO=ON"
  exit 1
fi
cmake --build "$build" --target orvik orvik_icon orvik_man_page demo_dictionary -j"$(nproc)" >/dev/null
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
  cat "$out/cpack.log"
  exit 1
}
rm -rf "$out/_CPack_Packages"
debs=("$out"/orvik_*.deb "$out"/orvik-data_*.deb)
say "built ${debs[*]##*/} in $(($(date +%s) - start_time)) s"
say "orvik depends on: $(dpkg-deb -f "${debs[0]}" Depends)"

# 2. Installed through apt, which brings what the dependencies name.
if dpkg-query -W -f='${Status}' orvik 2>/dev/null | grep -q "install ok installed"; then
  # apt would keep an installed package of the same version: this build's must be the one tried.
  say "orvik is installed already: it is removed first"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -qq -o DPkg::Lock::Timeout=120 \
    orvik orvik-data >/dev/null
fi
installed=1
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=120 \
  "${debs[@]}" >"$out/apt.log" 2>&1 || {
  cat "$out/apt.log"
  exit 1
}
desktop-file-validate /usr/share/applications/orvik.desktop || fail "the menu entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/org.orvik.dictionary.metainfo.xml >/dev/null ||
  fail "the AppStream description is missing or not valid"
[ -s /usr/share/man/man1/orvik.1.gz ] || fail "no manual page orvik(1)"
for package in orvik orvik-data; do
  grep -q "GPL-3.0+" "/usr/share/doc/$package/copyright" 2>/dev/null ||
    fail "no copyright file naming the licence in the package $package"
done
for size in 16 32 48 256; do
  [ -s "/usr/share/icons/hicolor/${size}x$size/apps/orvik.png" ] || fail "no ${size}x$size icon"
done
program_files() { find /usr/share/orvik /usr/libexec/orvik | sort; }
program_files >"$work/files-before"

# 3. The users: a throwaway home each. The first is an ordinary user: as root, that is nobody
# (root may write anywhere, so only another user shows what a read-only installation does).
# The second is root, with a home of its own under the work folder.
user_home=$work/home
user_runtime=$work/runtime
root_home=$work/root-home
root_runtime=$work/root-runtime
mkdir -p "$user_home" "$work/here" "$user_runtime" "$root_home" "$root_runtime"
chmod 700 "$user_runtime" "$root_runtime"
user_as=()
root_as=(sudo)
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$user_home" "$user_runtime"
  user_as=(runuser -u nobody --)
  root_as=()
else
  sudo chown root "$root_home" "$root_runtime"
fi
chmod 555 "$work/here" # the folder the program is started from: nobody may write it

# 4. A private X server: Xvfb picks a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 150); do
  [ -s "$work/display" ] && break
  sleep 0.2
done
display=$(head -n1 "$work/display")
[ -n "$display" ] || {
  cat "$out/xvfb.log"
  say "Xvfb did not start"
  exit 1
}
export DISPLAY=":$display"

# The start from the menu entry: its command, from a folder the user cannot write to.
# (The entry's field codes, such as %U for files to open, stand for nothing here.)
read -r -a exec_command <<<"$(sed -n '/^Exec=/{s/^Exec=//; s/ %[a-zA-Z]//g; p}' /usr/share/applications/orvik.desktop)"

# The program's visible windows (X class "orvik"), one a line: id, width, height, title.
orvik_windows() {
  local id
  for id in $(xdotool search --onlyvisible --classname '^orvik$' 2>/dev/null); do
    echo "$id $(xwininfo -id "$id" | awk '/Width:|Height:/ {printf "%s ", $2}')$(xdotool getwindowname "$id")"
  done
}

# Waits up to $1 seconds for a visible window of the program of size $2 (WIDTHxHEIGHT); prints
# its id. Gives up when the program ends, or when a window of none of the sizes $3 (the splash)
# has stayed for two seconds: a message that waits for the user.
wait_window() {
  local deadline=$(($(date +%s) + $1)) id width height other since=""
  while [ "$(date +%s)" -lt "$deadline" ]; do
    other=""
    while read -r id width height _; do
      if [ "${width}x$height" = "$2" ]; then
        echo "$id"
        return 0
      fi
      case " ${3:-} " in *" ${width}x$height "*) ;; *) other=$id ;; esac
    done < <(orvik_windows)
    if [ -n "${3:-}" ] && [ -n "$other" ]; then
      since=${since:-$(date +%s)}
      [ $(($(date +%s) - since)) -ge 2 ] && return 1
    else
      since=""
    fi
    kill -0 "$program_pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

# One start as a user, checked: run_once <label> <home> <runtime> <command prefix>...
run_once() {
  local label=$1 home=$2 runtime=$3
  shift 3
  local log=$out/program-$label.log shot=$out/screen-$label.png
  say "starting the installed program as $label"
  # In a process group of its own, so that the clean-up ends the program with whatever started it.
  (cd "$work/here" && exec setsid "$@" env -i PATH=/usr/bin:/bin HOME="$home" \
    XDG_RUNTIME_DIR="$runtime" DISPLAY="$DISPLAY" LANG=C.UTF-8 "${exec_command[@]}" >"$log" 2>&1) &
  program_pid=$!

  # 5. The main window (757 x 564) shows, with a picture drawn in it.
  local main="" colours question settings size installed_flags strays added
  main=$(wait_window 60 757x564 400x267) || true
  import -window root "$shot" 2>/dev/null || true
  if [ -z "$main" ]; then
    if [ -n "$(orvik_windows)" ]; then
      fail "$label: no main window; a message shows instead ($(orvik_windows | awk '{print $2 "x" $3; exit}')) (see $shot). A message about\
 Settings.orv means the program tried to write its settings into the read-only installation\
 instead of the user's configuration folder."
    else
      fail "$label: no main window; the program's output: $(cat "$log")"
    fi
  else
    colours=$(import -window "$main" "$out/main-window-$label.png" 2>/dev/null &&
      identify -format '%k' "$out/main-window-$label.png" 2>/dev/null || echo 0)
    [ "$colours" -ge 64 ] || fail "$label: the main window is blank ($colours colours)"
    say "$label: the main window shows (757 x 564 pixels, $colours colours)"
  fi

  # 6. The exit: Alt+F4 asks "Do you really want to quit", Yes (48,72 in the 225 x 112 question)
  # closes, and the program ends with the settings saved where they were.
  if [ -n "$main" ]; then
    xdotool mousemove --window "$main" 700 20 click 1 key alt+F4
    question=$(wait_window 20 225x112) || true
    if [ -z "$question" ]; then
      fail "$label: Alt+F4 did not ask whether to quit"
    else
      xdotool mousemove --window "$question" 73 82 click 1
      for _ in $(seq 1 100); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.2
      done
      if kill -0 "$program_pid" 2>/dev/null; then
        fail "$label: the program did not end after Yes"
      else
        wait "$program_pid" || fail "$label: the program ended with status $?: $(cat "$log")"
      fi
    fi
  fi
  [ -z "$program_pid" ] || kill -- -"$program_pid" 2>/dev/null || true
  program_pid=""

  # 7. The settings: created in the configuration folder with its 32 bytes, the launcher's first
  # start having installed all four languages (bytes 15 to 18); and, through the start and the
  # exit's save, nowhere else.
  settings=$home/.config/$config_folder/Settings.orv
  if $SUDO test -f "$settings"; then
    size=$($SUDO stat -c %s "$settings")
    [ "$size" -eq 32 ] || fail "$label: $settings has $size bytes, not 32"
    installed_flags=$($SUDO od -An -tu1 -j15 -N4 "$settings" | tr -s ' ' | sed 's/^ //')
    [ "$installed_flags" = "1 1 1 1" ] ||
      fail "$label: the first start did not install the four languages (bytes 15-18: $installed_flags)"
  else
    fail "$label: no settings file in the user's configuration folder ($settings); this needs the\
 program to keep its settings there when the installation is shared or cannot be written"
  fi
  strays=$($SUDO find /usr/share/orvik /usr/libexec/orvik "$work/here" "$user_home" "$root_home" \
    -name 'Settings.orv*' ! -path "$user_home/.config/$config_folder/Settings.orv" \
    ! -path "$root_home/.config/$config_folder/Settings.orv" 2>/dev/null)
  [ -z "$strays" ] || fail "$label: settings written elsewhere: $strays"

  # 8. The installation is as the packages put it: every checksum holds, no file was added.
  $SUDO dpkg --verify orvik orvik-data >"$work/verify" || true
  [ ! -s "$work/verify" ] || fail "$label: installed files changed: $(cat "$work/verify")"
  program_files >"$work/files-after"
  added=$(comm -13 "$work/files-before" "$work/files-after")
  [ -z "$added" ] || fail "$label: files added to the installation: $added"
  echo "package-check: files the program left in the $label's home:"
  ($SUDO find "$home" -type f | sed "s|^$home|  .|")
}

run_once user "$user_home" "$user_runtime" "${user_as[@]}"
# Root starts the same installation: its settings go to its own configuration folder too, and
# nothing is written into the installation (the file would outlive the packages and be every
# later user's first settings).
run_once root "$root_home" "$root_runtime" "${root_as[@]}"

# 9. The removal: purging the packages leaves nothing under the installation folders.
say "purging the packages"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y -qq -o DPkg::Lock::Timeout=120 orvik orvik-data \
  >/dev/null
installed=0
left=$(find /usr/share/orvik /usr/libexec/orvik 2>/dev/null || true)
[ -z "$left" ] || fail "left after purging the packages: $left"

if [ ${#failures[@]} -gt 0 ]; then
  say "${#failures[@]} check(s) failed in $(($(date +%s) - start_time)) s (screenshots: $out/screen-*.png)"
  exit 1
fi
say "all checks passed in $(($(date +%s) - start_time)) s"
