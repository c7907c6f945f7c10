# Sourced by the test scripts: require_tools <command>... exits 77 (skipped),
# naming the first command that is missing, unless all are on the PATH.
require_tools() {
  local tool
  for tool; do
    command -v "$tool" >/dev/null || {
      echo "SKIPPED: $tool is missing; tools/install-deps.sh test installs it"
      exit 77
    }
  done
}
