# Installs the Debian packages a task needs when any of them is missing.
# Sourced by the scripts; uses sudo when not run as root. Everything it says,
# and the installer's own output, goes to standard error: the standard output
# of some scripts is read by others (make-package.sh prints the package path).
ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            {
                echo "These Debian packages are missing: ${missing[*]}"
                echo "Installing them needs root, and sudo is not installed. Either run this script"
                echo "once as root, or have root install them first:"
                echo "    apt-get install ${missing[*]}"
            } >&2
            exit 1
        fi
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}" >&2
    $sudo apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

BUILD_PACKAGES=(cmake ninja-build g++ nlohmann-json3-dev libcli11-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n
    libgl-dev fonts-liberation2 fonts-dejavu-core)
TEST_PACKAGES=(libgtest-dev libgmock-dev clang libclang-rt-14-dev clang-format python3)
# Making the Debian package (dpkg-shlibdeps computes its dependencies) and
# checking it.
PACKAGE_PACKAGES=(dpkg-dev file lintian appstream)
# The benchmarks (run-benchmarks.sh); they build without the desktop program.
BENCH_PACKAGES=(libbenchmark-dev)
