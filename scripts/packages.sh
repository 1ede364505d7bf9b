# Debian 12 packages Horalto needs, and a function that installs the missing ones.
# Sourced by scripts/run and scripts/test.
HORALTO_BUILD_PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
  libxcb1-dev libxcb-keysyms1-dev fonts-noto-cjk fonts-liberation gstreamer1.0-plugins-good"
HORALTO_RUN_PACKAGES="pulseaudio"
HORALTO_TEST_PACKAGES="libgtest-dev xvfb xauth xdotool x11-utils x11-xserver-utils numlockx openbox
  imagemagick pulseaudio pulseaudio-utils sox tesseract-ocr"

horalto_install() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -q || return 1
  $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
}
