#!/usr/bin/env bash
# Quarvo's quick start: installs what the build needs when it is missing,
# builds, then starts the program or runs every test.
#
#   ./quarvo.sh start [ARGS...]   build and start Quarvo
#   ./quarvo.sh test              build and run every test
#   ./quarvo.sh install [PREFIX]  build and install (default: ~/.local)
#   ./quarvo.sh test-sanitized    the same tests under AddressSanitizer and UBSan
#   ./quarvo.sh test-tsan         the tests of the threaded scan under ThreadSanitizer
#   ./quarvo.sh test-windows      cross-build the core for Windows and run its
#                                 tests under Wine
#   ./quarvo.sh check-format      check that the program's code follows .clang-format
#   ./quarvo.sh check-layers      check that no folder includes one above it
set -euo pipefail
cd "$(dirname "$0")"

# btrfs-progs: the drive tests mount btrfs subvolumes where the machine permits.
packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev
          shared-mime-info fonts-liberation fonts-dejavu-core
          libqt6svg6 desktop-file-utils appstream poppler-utils btrfs-progs
          clang-format)

# The core alone for Windows: no Qt, GoogleTest from its sources.
windows_packages=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine wine64)

install_missing() { # install_missing [PACKAGE...], by default what the build needs
  [ $# -gt 0 ] || set -- "${packages[@]}"
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

build() { # build DIR [CMAKE ARGS...]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir"
}

run_tests() { # run_tests DIR
  (cd "$1" && ctest --output-on-failure --timeout 300)
}

# GoogleTest from Debian's sources, built with the Windows toolchain into DIR.
build_windows_gtest() { # build_windows_gtest DIR
  [ -f "$1/install/lib/libgtest.a" ] && return
  cmake -S /usr/src/googletest -B "$1/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$PWD/$1/install" >/dev/null
  cmake --build "$1/build"
  cmake --install "$1/build" >/dev/null
}

# Wine in a prefix of its own below the build folder, quiet, with the
# system's time zone (a Linux TZ value means something else to the Windows C
# runtime). Wine's first start sets the prefix up and leaves services running
# that would hold CTest's output pipe open; a wine server that stays up, and
# one throwaway program started before the tests, keep that out of them.
run_windows_tests() { # run_windows_tests DIR
  export WINEPREFIX="$PWD/$1/wineprefix" WINEDEBUG=-all
  unset TZ
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1 || true
  local status=0
  run_tests "$1" || status=$?
  wineserver -k || true
  return "$status"
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
  start)
    install_missing
    build build
    exec build/quarvo "$@"
    ;;
  test)
    install_missing
    build build
    run_tests build
    ;;
  install)
    install_missing
    build build
    cmake --install build --prefix "${1:-$HOME/.local}"
    ;;
  test-sanitized)
    install_missing
    build build-sanitized -DQUARVO_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$PWD/.ci/lsan.supp" \
      run_tests build-sanitized
    ;;
  test-tsan)
    # Only the programs whose tests run the scan's threads: the core's and
    # the report tool's.
    install_missing
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUARVO_SANITIZE_THREAD=ON >/dev/null
    cmake --build build-tsan --target test_collect test_report quarvo-report
    export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
    build-tsan/tests/test_collect
    build-tsan/tests/test_report
    ;;
  test-windows)
    install_missing "${windows_packages[@]}"
    build_windows_gtest build-windows/googletest
    build build-windows -DQUARVO_CORE_ONLY=ON \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_PREFIX_PATH="$PWD/build-windows/googletest/install"
    run_windows_tests build-windows
    ;;
  check-format)
    install_missing clang-format
    git ls-files -z '*.c' '*.cpp' '*.h' ':!:tests/' | xargs -0 clang-format --dry-run -Werror
    ;;
  check-layers)
    cmake/check-layers.sh
    ;;
  *)
    awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"
    exit 1
    ;;
esac
