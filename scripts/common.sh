# Shared by ./run and ./test: install the Debian packages of scripts/packages.txt that are
# missing, then configure and build.
set -euo pipefail
TOP="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VQPLOG_BUILD:-$TOP/build}"
ASAN_BUILD="${VQPLOG_ASAN_BUILD:-$TOP/build-asan}"

install_packages() {
  local missing=()
  while read -r pkg; do
    [ -n "$pkg" ] || continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done < "$TOP/scripts/packages.txt"
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure <build folder> <cmake options...>: Ninja, through ccache when it is installed.
configure() {
  local dir="$1"
  shift
  local launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$TOP" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
}

# The program alone, in Release: what ./run starts.
build_program() {
  configure "$BUILD" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$BUILD" -j "$(nproc)" --target vqplog
}

# Everything (program, tools, tests, benchmarks) in Release, warnings as errors.
build_all() {
  configure "$BUILD" -DCMAKE_BUILD_TYPE=Release -DVQPLOG_WERROR=ON
  cmake --build "$BUILD" -j "$(nproc)"
}

# The program, tools and tests with AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of their own (optimised lightly: the tests run in reasonable time, the reports keep
# their lines). No benchmarks: their figures mean nothing there.
build_sanitized() {
  configure "$ASAN_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" \
    -DVQPLOG_SANITIZE=ON -DVQPLOG_BENCHMARKS=OFF -DVQPLOG_WERROR=ON
  cmake --build "$ASAN_BUILD" -j "$(nproc)"
}
