# Shared by the scripts under tools/: how they read their arguments, the Debian packages the tool
# needs and how to get them, and how they build.

# Packages to build, test and run the tool on Debian 12.
KEYMAP_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-svg-dev libgl-dev
    libhidapi-dev
    desktop-file-utils
    clang libclang-rt-14-dev clang-format
    python3 openssl dbus fonts-ipafont-gothic
    xvfb openbox xdotool x11-utils
)

# keymap_usage: the comment at the head of the running script, which is its usage.
keymap_usage() {
    sed -n '2,/^[^#]/s/^# \{0,1\}//p' "$0"
}

# keymap_answer_help [argument...]: when -h or --help is among the arguments, shows the usage and
# ends the script with status 0, before it builds or starts anything.
keymap_answer_help() {
    local argument
    for argument in "$@"; do
        if [ "$argument" = -h ] || [ "$argument" = --help ]; then
            keymap_usage
            exit 0
        fi
    done
}

# keymap_take_arguments <most> [argument...]: for a script that takes no option but -h and --help:
# answers those; refuses any other argument that begins with "-" and more than <most> arguments.
keymap_take_arguments() {
    local most=$1 argument
    shift
    keymap_answer_help "$@"
    for argument in "$@"; do
        [[ $argument != -* ]] || keymap_refuse "unknown option \"$argument\""
    done
    [ $# -le "$most" ] || keymap_refuse "too many arguments"
}

# keymap_refuse <what is wrong>: says so with the usage on standard error and ends with status 2.
keymap_refuse() {
    {
        echo "$(basename "$0"): $1"
        echo
        keymap_usage
    } >&2
    exit 2
}

keymap_root() {
    cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd
}

# Installs whatever of KEYMAP_PACKAGES is missing: as root with apt-get, else through sudo.
keymap_install_packages() {
    local missing=()
    local package
    for package in "${KEYMAP_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            apt=(sudo env DEBIAN_FRONTEND=noninteractive apt-get)
        else
            echo "error: these Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}) or run this command as a user allowed to use sudo." >&2
            exit 1
        fi
    fi
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
}

# keymap_configure <build folder> [cmake options...]: configures a build folder once, and again
# whenever it is asked for other options than those it was configured with.
keymap_configure() {
    local folder="$1"
    shift
    local stamp="$folder/keymap-options"
    if [ ! -f "$folder/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$*" ]; then
        cmake -S "$(keymap_root)" -B "$folder" -G Ninja "$@"
        echo "$*" >"$stamp"
    fi
}

# keymap_check_format: whether every C++ file is laid out as the repository's .clang-format says;
# names the files that are not.
keymap_check_format() {
    local root
    root=$(keymap_root)
    echo "Checking the layout of the C++ files"
    find "$root/src" "$root/tests" "$root/bench" "$root/fuzz" "$root/tools" \
        \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 clang-format --dry-run --Werror
}

# keymap_build <build folder> [cmake options...]: configures once, then builds incrementally.
keymap_build() {
    keymap_configure "$@"
    cmake --build "$1" -j "$(nproc)"
}
