# Shared by run.sh and test.sh: makes sure the Debian packages that the build
# and the tests need are there. Sourced, not run.

OVALTO_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-charts-dev libgl-dev
  libjpeg-dev zlib1g-dev libxlsxwriter-dev
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core
  unzip desktop-file-utils
  locales
)

ovalto_missing_packages() {
  local package
  for package in "${OVALTO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' || printf '%s ' "$package"
  done
}

ovalto_prepare() {
  local missing
  missing=$(ovalto_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq $missing
  else
    echo "These Debian packages are missing. Install them, then run this script again:"
    echo "  sudo apt-get install -y $missing"
    exit 1
  fi
}

# The tests run under the users' locale, whose numbers have a decimal comma;
# a test that cannot set it fails.
ovalto_prepare_test_locale() {
  locale -a 2>/dev/null | grep -ix 'ru_RU\.utf-\?8' >/dev/null && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Making the locale ru_RU.UTF-8"
    localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
  else
    echo "The locale ru_RU.UTF-8 is missing. Make it, then run this script again:"
    echo "  sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8"
    exit 1
  fi
}
