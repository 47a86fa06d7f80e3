#!/usr/bin/env bash
# The bash completion of zorvan-cli: commands, the input fields of --set from
# the program itself, and the notice kinds.
set -uo pipefail
cli=$1
source "$(dirname "$0")/../../packaging/zorvan-cli.bash"
complete_words() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _zorvan_cli 2>/dev/null
  echo "${COMPREPLY[*]}"
}
status=0
expect() {
  local got=$1 want=$2
  if [ "$got" != "$want" ]; then echo "FAIL: got '$got', want '$want'"; status=1; fi
}
expect "$(complete_words "$cli" no)" "notice"
expect "$(complete_words "$cli" dump --set Ve)" "VeeAngle="
expect "$(complete_words "$cli" notice "")" "force moment torque firing mass spacing suggestions guidelines phase rodload"
expect "$(complete_words "$cli" dump --preset 1)" "1 10"
expect "$(complete_words "$cli" tors)" "torsional"
expect "$(complete_words "$cli" torsional --m)" "--modes"
expect "$(complete_words "$cli" orders --balancer "")" "first second both"
expect "$(complete_words "$cli" compare --m)" "--moments-about"
expect "$(complete_words "$cli" pre)" "pressure"
expect "$(complete_words "$cli" report --pressure-unit k)" "kPa"
expect "$(complete_words "$cli" plot --p)" "--preset --pressure --pressure-unit --power --phasors --pv"
[ $status -eq 0 ] && echo "completion test passed"
exit $status
