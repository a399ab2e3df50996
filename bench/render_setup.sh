# Sourced by the glimtex-render benchmarks after they set build_dir and runs: checks
# the renderer and GNU time are there, and gives $work/program, a program folder of
# its own filled from the build, removed again when the script ends.
render="$build_dir/bin/glimtex-render"
[ -x "$render" ] || { echo "no $render; build the glimtex-render target first" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (GNU time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program"
cp -R "$build_dir/bin/Default" "$build_dir/bin/Include" "$build_dir/bin/Macro" "$work/program/"
