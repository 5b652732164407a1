#!/usr/bin/env bash
# Set-up for a fresh Debian 12 machine: installs the Debian packages, builds,
# and then either starts the simulator (run), runs the whole test suite
# headless under Xvfb (test), or builds and serves the web edition (web).
set -euo pipefail
cd "$(dirname "$0")"
mode="${1:-run}"

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libjpeg-dev zlib1g-dev libgif-dev libspng-dev libyaml-cpp-dev libgtest-dev libbenchmark-dev libfreetype-dev fonts-dejavu-core
  xvfb xauth xdotool x11-utils
  desktop-file-utils dpkg-dev file lintian scdoc man-db libxml2-utils
)
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)

# --- The web edition ---------------------------------------------------------
# emscripten (Debian's 3.1.6) builds the firmware, pictures and scenario
# targets of the same CMakeLists as WebAssembly into build/web, with web/ for
# the page's module and the site; its optimiser needs Debian's acorn, which a
# node from elsewhere finds only through NODE_PATH. The native icon packer
# runs first; zlib, giflib, libspng and yaml-cpp come from Debian's source
# packages. Chromium and puppeteer-core (npm, pinned by
# tests/web/package-lock.json, installed into build/web/npm) run the browser
# tests.
web_build() {
  local web_packages=(emscripten node-acorn chromium)
  command -v npm >/dev/null || web_packages+=(npm)
  command -v python3 >/dev/null || web_packages+=(python3)
  local web_missing=()
  for p in "${web_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || web_missing+=("$p")
  done
  if [ ${#web_missing[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
      "${web_missing[@]}"
  fi
  export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build build/release -j "$jobs" --target iconpack
  # The C and C++ libraries from Debian's source packages, compiled with emcc.
  web/fetch-sources.sh build/web/src zlib giflib libspng yaml-cpp
  # A build folder configured from web/ alone (before the one configuration)
  # starts afresh; the fetched sources stay.
  if [ -f build/web/CMakeCache.txt ] &&
     ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" build/web/CMakeCache.txt; then
    rm -rf build/web/CMakeCache.txt build/web/CMakeFiles
  fi
  emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DAXIM_ICONPACK="$PWD/build/release/tools/iconpack/iconpack" \
    -DAXIM_WEB_SOURCES="$PWD/build/web/src" -DCMAKE_CROSSCOMPILING_EMULATOR=
  cmake --build build/web -j "$jobs"
  mkdir -p build/web/npm
  cp tests/web/package.json tests/web/package-lock.json build/web/npm/
  (cd build/web/npm && npm_config_cache="$PWD/../npm-cache" npm ci --no-audit --no-fund --loglevel=error)
}

case "$mode" in
  run)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DAXIM_BUILD_BENCH=OFF
    cmake --build build/release -j "$jobs" --target axim7-sim
    exec build/release/window/axim7-sim
    ;;
  test)
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build/release -j "$jobs"
    (cd build/release && xvfb-run -a -s "-screen 0 1280x1024x24" \
       ctest --output-on-failure -j "$jobs" --timeout 300)
    # The README's first command, exactly as written there: the window opens,
    # SIGTERM ends it with status 0.
    tests/system/ReadmeRun.sh
    # The web edition: the golden screens in node, then the page in headless Chromium.
    web_build
    (cd build/web && ctest --output-on-failure --timeout 300)
    node --test tests/web/*.test.mjs
    # Firmware tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAXIM_SANITIZE=ON \
      -DAXIM_BUILD_HOST=OFF -DAXIM_BUILD_BENCH=OFF
    cmake --build build/sanitize -j "$jobs"
    (cd build/sanitize && ctest --output-on-failure -j "$jobs" --timeout 900)
    # The event-stream fuzzer (clang libFuzzer with ASan and UBSan), for a fixed short time.
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DAXIM_FUZZ=ON -DAXIM_SANITIZE=ON -DAXIM_BUILD_HOST=OFF -DAXIM_BUILD_TESTS=OFF \
      -DAXIM_BUILD_BENCH=OFF
    cmake --build build/fuzz -j "$jobs" --target fuzz_events fuzz_scenario fuzz_png fuzz_flightlog
    mkdir -p build/fuzz/corpus build/fuzz/scenario-corpus build/fuzz/png-corpus build/fuzz/artifacts
    build/fuzz/fuzz/fuzz_events -max_total_time="${AXIM_FUZZ_SECONDS:-45}" -timeout=20 \
      -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1 build/fuzz/corpus
    # Scenario text (seeded with the project's scenarios) and the PNG reader.
    build/fuzz/fuzz/fuzz_scenario -max_total_time="${AXIM_FUZZ_SECONDS:-45}" -timeout=20 \
      -dict=fuzz/scenario.dict -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1 \
      build/fuzz/scenario-corpus tests/scenarios docs/scenarios docs/lessons
    build/fuzz/fuzz/fuzz_png -max_total_time=20 -timeout=20 \
      -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1 \
      build/fuzz/png-corpus tests/scenarios/refs
    # Flight logs, seeded with the demonstration flight.
    mkdir -p build/fuzz/flightlog-corpus
    build/fuzz/fuzz/fuzz_flightlog -max_total_time=20 -timeout=20 -max_len=65536 \
      -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1 \
      build/fuzz/flightlog-corpus docs/scenarios/flights tests/scenarios/flights
    ;;
  web)
    web_build
    exec python3 web/serve.py build/web/site "${AXIM_WEB_PORT:-8000}"
    ;;
  *)
    echo "usage: $0 run|test|web" >&2
    exit 2
    ;;
esac
