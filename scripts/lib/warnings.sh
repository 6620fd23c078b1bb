# shellcheck shell=bash
# Shell helper of the scripts; sourced, not run.

# warnings_option: the CMake option that makes a compiler warning fail the
# build in CI (CI=true, which CI services set) and lets it pass elsewhere,
# given to every configure so that one CI run does not leave it in a build
# folder's cache.
warnings_option() {
  if [ "${CI-}" = true ]; then
    echo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
  else
    echo -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF
  fi
}
