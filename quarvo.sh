#!/usr/bin/env bash
# Quarvo's quick start: installs what the build needs when it is missing,
# builds, then starts the program or runs every test.
#
#   ./quarvo.sh start [ARGS...]   build and start Quarvo
#   ./quarvo.sh test              build and run every test
#   ./quarvo.sh install [PREFIX]  build and install (default: ~/.local)
#   ./quarvo.sh test-sanitized    the same tests under AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev
          shared-mime-info fonts-liberation fonts-dejavu-core
          libqt6svg6 desktop-file-utils appstream)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
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
  *)
    awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"
    exit 1
    ;;
esac
