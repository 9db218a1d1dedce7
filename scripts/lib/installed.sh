# The installed program seen as a build folder, so the scripts that prepare the simulated
# machine (scripts/prepare-machine) and drive the window (scripts/click-through) work on the
# installed copy: FOLDER/bin is the program's folder, the rest comes from the build.
#   veltra_installed_build BUILD_DIR PROGRAM_DIR FOLDER
veltra_installed_build() {
    mkdir -p "$3"
    ln -sfn "$2" "$3/bin"
    local part
    for part in sim-drivers host server; do ln -sfn "$1/$part" "$3/$part"; done
}
