# Shared by run, test and bench (sourced, not run): what each needs from Debian,
# and the one build folder they all use.

# One list per purpose; test and bench add theirs to what running needs. Qt's
# Wayland plugin is for sessions without an X server (no XWayland).
RUN_PACKAGES=(
  cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl-dev
  qt6-wayland fonts-crosextra-carlito fonts-lato fonts-open-sans
)
TEST_PACKAGES=(clang clang-format libclang-rt-dev desktop-file-utils appstream dpkg-dev file lintian weston xvfb xauth xclip poppler-utils)
BENCH_PACKAGES=(libbenchmark-dev xvfb xauth)

# What installing, configuring and building say goes here, not to the terminal,
# which gets one line per step.
SETUP_LOG=build/setup.log

# Ends the run after a step failed: where its whole output is, and how it ended
# (for a build, what the first command that failed said).
setup_failed() {
  local failed
  failed=$(sed -n '/^FAILED: /,$p' "$SETUP_LOG" | head -n 20)
  if [ -n "$failed" ]; then
    echo "That failed. The whole output is in $SETUP_LOG; the first error:" >&2
    printf '%s\n' "$failed" | sed 's/^/    /' >&2
  else
    echo "That failed. The whole output is in $SETUP_LOG, which ends with:" >&2
    tail -n 8 "$SETUP_LOG" | sed 's/^/    /' >&2
  fi
  exit 1
}

# Starts a step: one line on the terminal, a heading in the log.
setup_step() {
  mkdir -p build
  echo "$1"
  printf '\n== %s %s\n' "$(date '+%F %T')" "$1" >>"$SETUP_LOG"
}

# Whether sudo runs commands for this user: at once, or after the password when
# there is a terminal to ask it on (sudo reads it from /dev/tty). A user that
# sudo refuses gets the message that names the packages instead.
may_sudo() {
  command -v sudo >/dev/null || return 1
  sudo -n true 2>/dev/null && return 0
  { : </dev/tty; } 2>/dev/null || return 1
  echo "Installing packages needs root; sudo asks for your password."
  sudo -v
}

# Installs the packages not installed yet: as root, or through sudo. Without
# either, names them and the command that installs them, and stops.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
  if [ "$(id -u)" -ne 0 ]; then
    if ! may_sudo; then
      echo "Missing packages: ${missing[*]}" >&2
      echo "Install them as root (after su -, for example), then run this again:" >&2
      echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    apt=(sudo DEBIAN_FRONTEND=noninteractive apt-get)
  fi
  setup_step "Installing ${#missing[@]} package$([ ${#missing[@]} -eq 1 ] || echo s)..."
  { "${apt[@]}" update && "${apt[@]}" install -y --no-install-recommends "${missing[@]}"; } >>"$SETUP_LOG" 2>&1 \
    || setup_failed
}

# Configures build/ once, without tests or benchmarks unless asked; later calls
# only switch the given options (NAME=VALUE) where they differ, so a build that
# is up to date costs nothing. Each library is compiled as a few large units:
# from scratch that takes half the time on two cores.
configure_build() {
  if [ ! -f build/build.ninja ]; then
    setup_step "Configuring..."
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON -DBUILD_TESTING=OFF \
      "${@/#/-D}" >>"$SETUP_LOG" 2>&1 || setup_failed
    return
  fi
  local option
  for option in "$@"; do
    grep -qx "${option%%=*}:BOOL=${option#*=}" build/CMakeCache.txt && continue
    setup_step "Configuring $option..."
    cmake -S . -B build "-D$option" >>"$SETUP_LOG" 2>&1 || setup_failed
  done
}

# Builds the given targets of the build folder BUILD_DIR (build/ unless set)
# into the log, with ninja's progress on one line: a counter that runs in place
# on a terminal, the word alone otherwise. Nothing is shown when everything is up
# to date. (The scripts set pipefail, so a failed build fails the pipe.)
build_quietly() {
  local dir=${BUILD_DIR:-build}
  mkdir -p build
  printf '\n== %s Building %s in %s\n' "$(date '+%F %T')" "$*" "$dir" >>"$SETUP_LOG"
  if ! cmake --build "$dir" --target "$@" 2>&1 | tee -a "$SETUP_LOG" | show_build_progress; then
    setup_failed
  fi
}

# ninja's own check of the build files ("Re-checking globbed directories") is
# no part of the progress: alone, it means nothing was to be built.
show_build_progress() {
  local line shown=""
  while IFS= read -r line; do
    [[ $line =~ ^\[([0-9]+/[0-9]+)\]\ (.*) ]] || continue
    [[ ${BASH_REMATCH[2]} == Re-checking* ]] && continue
    if [ -t 1 ]; then
      printf '\rBuilding... %s ' "${BASH_REMATCH[1]}"
    elif [ -z "$shown" ]; then
      echo "Building..."
    fi
    shown=yes
  done
  if [ -n "$shown" ] && [ -t 1 ]; then
    echo
  fi
}
