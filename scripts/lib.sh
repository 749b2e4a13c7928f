# Shared by run, test and bench (sourced, not run): what each needs from Debian,
# and the one build folder they all use.

# One list per purpose; test and bench add theirs to what running needs.
RUN_PACKAGES=(
  cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgl-dev
  fonts-crosextra-carlito fonts-lato fonts-open-sans
)
TEST_PACKAGES=(clang clang-format libclang-rt-dev desktop-file-utils appstream dpkg-dev lintian qt6-wayland weston)
BENCH_PACKAGES=(libbenchmark-dev xvfb xauth)

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
    if ! command -v sudo >/dev/null; then
      echo "Missing packages: ${missing[*]}" >&2
      echo "Install them as root, then run this again: apt-get install -y ${missing[*]}" >&2
      exit 1
    fi
    apt=(sudo DEBIAN_FRONTEND=noninteractive apt-get)
  fi
  echo "Installing: ${missing[*]}"
  "${apt[@]}" update -qq
  "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures build/ once, without tests or benchmarks unless asked; later calls
# only switch the given options (NAME=VALUE) where they differ, so a build that
# is up to date costs nothing. Each library is compiled as a few large units:
# from scratch that takes half the time on two cores.
configure_build() {
  if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON -DBUILD_TESTING=OFF \
      "${@/#/-D}" >/dev/null
    return
  fi
  local option
  for option in "$@"; do
    grep -qx "${option%%=*}:BOOL=${option#*=}" build/CMakeCache.txt \
      || cmake -S . -B build "-D$option" >/dev/null
  done
}
