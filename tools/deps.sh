# Installs the Debian packages Quillmor needs when any is missing.
# Sourced by ./test and ./run; does nothing slow when everything is there.
qm_ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "Quillmor needs these packages: ${missing[*]} (no apt-get here: install them by hand)" >&2
    return 1
  fi
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo -n"
  fi
  echo "Installing: ${missing[*]}"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q </dev/null
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}" </dev/null
}

# qt6-charts-dev needs libqt6opengl6-dev for its CMake package but does not
# depend on it (Debian 12).
QM_BUILD_PACKAGES=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-charts-dev
  libqt6opengl6-dev libgl-dev libquazip1-qt6-dev)
QM_TEST_PACKAGES=(libgtest-dev libbenchmark-dev poppler-utils fonts-dejavu-core fonts-liberation
  desktop-file-utils appstream man-db xvfb openbox xdotool)
QM_RUN_PACKAGES=(fonts-dejavu-core fonts-liberation)
# Optional: only for the libFuzzer programs of fuzz/ (cmake -DQM_FUZZ=ON);
# ./test replays the fuzz inputs with the ordinary compiler.
QM_FUZZ_PACKAGES=(clang)
