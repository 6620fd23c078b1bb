# shellcheck shell=bash
# Shell helper of the scripts; sourced, not run.

# install_missing [--no-recommends] PACKAGE...: installs those of the Debian
# packages that are not installed yet, with apt-get, through sudo when not
# root; does nothing when all are there. The package lists are updated once
# per run, also across the scripts that one script starts. What apt-get says
# goes to the error output: the standard output of some scripts is read by
# others.
install_missing() {
  local recommends=() missing=() as_root=() p
  if [ "${1-}" = --no-recommends ]; then
    recommends=(--no-install-recommends)
    shift
  fi
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  echo "Installing: ${missing[*]}" >&2
  if [ -z "${VELQUIN_APT_UPDATED-}" ]; then
    "${as_root[@]}" apt-get update -qq >&2
    export VELQUIN_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${recommends[@]}" \
    "${missing[@]}" >&2
}
