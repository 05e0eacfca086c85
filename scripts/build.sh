# Sourced by the run and test scripts: configures and builds one
# architecture in its own folder. Needs scripts/arch.sh.

# tolvane_build ARCH [cmake --build arguments...]
tolvane_build() {
  local arch=$1 dir
  shift
  dir=$(tolvane_arch_build_dir "$arch")
  echo "Building $arch in $dir"
  cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$(tolvane_arch_toolchain "$arch")" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$dir" -j"$(nproc)" "$@"
}
