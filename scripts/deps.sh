# Installs the Debian packages that are missing; sourced by ./run and ./test.
# Usage: tavrel_install_packages <package>...
tavrel_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
TAVREL_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    fonts-wine
)

# What the tests, the sanitizer build, the fuzzers and the benchmarks need on top.
TAVREL_TEST_PACKAGES=(
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    zlib1g-dev
    cups printer-driver-cups-pdf ghostscript poppler-utils
    desktop-file-utils dpkg-dev file
)
