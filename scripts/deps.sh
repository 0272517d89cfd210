#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; does
# nothing (and asks the network nothing) when all of them are present.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  dpkg-dev file                     # cpack's Debian package: dpkg-shlibdeps
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev
  qt6-l10n-tools                    # lrelease: the translations built into the program
  qt6-wayland weston                # the program on a Wayland session, and a headless one to test it
  libpulse-dev                      # the sound module (platform/soundmodule/)
  libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev
  libminiupnpc-dev libnatpmp-dev    # the host asks its home router to forward the port (UPnP, NAT-PMP)
  fonts-liberation2 fonts-dejavu-core fonts-comic-neue
  xvfb xauth xdotool
  imagemagick x11-utils             # the end-to-end tests read the screen and watch the windows
  iproute2 iputils-ping             # the race over a slow line: network namespaces, and its round trip
  miniupnpd-nftables nftables       # a home router (UPnP IGD, NAT-PMP) in a namespace for e2e.network_router
  desktop-file-utils appstream      # the packaging tests validate the desktop files
  pulseaudio pulseaudio-utils       # a sound test plays through a private server and records it
  libavahi-client-dev               # races found on the local network, through the desktop's Avahi daemon
  avahi-daemon avahi-utils dbus-daemon  # its test: a daemon and a bus of its own in each of two namespaces
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
