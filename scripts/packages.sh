# Debian 12 packages Horalto needs, and a function that installs the missing ones.
# Sourced by scripts/run and scripts/test.
HORALTO_BUILD_PACKAGES="g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
  libxcb1-dev libxcb-keysyms1-dev libxcb-screensaver0-dev libxkbcommon-dev libglib2.0-dev libicu-dev fonts-noto-cjk fonts-liberation gstreamer1.0-plugins-good
  qt6-translations-l10n qt6-l10n-tools qt6-httpserver-dev qt6-websockets-dev libqrencode-dev"
# The sound server comes with the desktop (PulseAudio or PipeWire's pulse server); nothing to add
# for running. The tests start a private PulseAudio with a null sink to record what is played;
# on a machine with PipeWire's pulse server, which conflicts with the pulseaudio package, that
# test is skipped rather than replacing the desktop's sound server.
# The hotkeys' test on a real desktop runs KDE Plasma's kwin_wayland headless with its portal, and
# presses keys through kwin's fake-input protocol (a small client built from its XML).
# The desktop shortcuts' test on a real desktop runs GNOME Shell headless with XWayland and
# gnome-settings-daemon's media keys, a GTK 4 window (python3-gi) holding the focus, and presses
# keys through mutter's RemoteDesktop; the GSettings tests read GNOME's schemas from the same packages.
# The Debian package (scripts/package): dpkg-shlibdeps and file compute its dependencies.
HORALTO_PACKAGE_PACKAGES="dpkg-dev file"
HORALTO_TEST_PACKAGES="libgtest-dev xvfb xauth xdotool x11-utils x11-xserver-utils numlockx openbox
  imagemagick poppler-utils pulseaudio-utils sox tesseract-ocr zbar-tools dbus-daemon python3-dbus python3-gi desktop-file-utils appstream x11-xkb-utils xkb-data
  chromium
  kwin-wayland xwayland xdg-desktop-portal xdg-desktop-portal-kde libkf5globalaccel-bin qdbus-qt5 qtwayland5 qt6-wayland
  libwayland-dev plasma-wayland-protocols systemsettings
  gnome-shell gnome-settings-daemon gir1.2-gtk-4.0 libglib2.0-bin
  $HORALTO_PACKAGE_PACKAGES"
# The Windows build (scripts/windows): mingw-w64, the host's Qt tools (moc, rcc, lrelease) and
# Qt's Chinese texts, NSIS for the installer; under Wine on Xvfb with openbox for its tests, with
# GoogleTest built from its source for mingw.
HORALTO_WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  cmake ninja-build qt6-base-dev qt6-l10n-tools qt6-translations-l10n nsis zip unzip xz-utils
  wine wine64 googletest xvfb xauth xdotool x11-utils openbox imagemagick"
if ! dpkg-query -W -f='${Status}' pipewire-pulse 2>/dev/null | grep -q "install ok installed"; then
  HORALTO_TEST_PACKAGES="$HORALTO_TEST_PACKAGES pulseaudio"
fi

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
