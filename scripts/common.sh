# Shared by ./run and ./test: install the Debian packages of scripts/packages.txt that are
# missing, then configure and build.
set -euo pipefail
TOP="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${VQPLOG_BUILD:-$TOP/build}"
ASAN_BUILD="${VQPLOG_ASAN_BUILD:-$TOP/build-asan}"
FUZZ_BUILD="${VQPLOG_FUZZ_BUILD:-$TOP/build-fuzz}"

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

# The names of the libFuzzer targets of fuzz/ (vqplog_fuzz_<name>), as fuzz/CMakeLists.txt lists them.
fuzz_targets() {
  sed -n 's/^set(VQPLOG_FUZZ_TARGETS \(.*\))$/\1/p' "$TOP/fuzz/CMakeLists.txt"
}

# The libFuzzer targets, with clang, in a build folder of their own.
build_fuzz() {
  configure "$FUZZ_BUILD" -DCMAKE_CXX_COMPILER=clang++ -DVQPLOG_FUZZ=ON -DVQPLOG_BENCHMARKS=OFF
  local t targets=()
  for t in $(fuzz_targets); do
    targets+=("vqplog_fuzz_$t")
  done
  cmake --build "$FUZZ_BUILD" -j "$(nproc)" --target "${targets[@]}"
}

# A short run of every fuzz target over its seed corpus (the new inputs it finds go into a
# scratch corpus in the build folder, never into fuzz/corpus): a finding fails the run.
smoke_fuzz() {
  local seconds="$1"
  shift
  local t
  for t in "$@"; do
    local scratch="$FUZZ_BUILD/smoke-corpus/$t"
    rm -rf "$scratch"
    mkdir -p "$scratch"
    echo "fuzz smoke run: $t (${seconds} s)"
    "$FUZZ_BUILD/fuzz/vqplog_fuzz_$t" "$scratch" "$TOP/fuzz/corpus/$t" -max_total_time="$seconds" \
      -timeout=20 -rss_limit_mb=4096 -artifact_prefix="$FUZZ_BUILD/" -print_final_stats=1 2>"$FUZZ_BUILD/smoke-$t.log" \
      || { tail -40 "$FUZZ_BUILD/smoke-$t.log"; echo "fuzz target $t found a fault (artifact in $FUZZ_BUILD)"; return 1; }
    grep -h "stat::number_of_executed_units" "$FUZZ_BUILD/smoke-$t.log" || true
  done
}
