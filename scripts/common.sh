# Shared by the project's scripts: build settings and small helpers.
jobs="${TALVION_JOBS:-$(nproc)}"
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
# Paths below the checkout are hashed relative to it, so every clone shares the cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"

step() { printf '\n== %s\n' "$*"; }

# configure DIR [cmake options...]: configures a Ninja build once; later runs only rebuild.
configure() {
    local dir="$1"; shift
    if [ ! -f "$dir/build.ninja" ]; then
        mkdir -p "$(dirname "$dir")"
        cmake -S . -B "$dir" -G Ninja \
              -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" > "$dir.configure.log" 2>&1 \
            || { cat "$dir.configure.log"; return 1; }
    fi
}
