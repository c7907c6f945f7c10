#!/usr/bin/env bash
# Prints the key through the window's print path on a real CUPS queue: starts
# a private scheduler whose configuration, spool, logs and socket all lie in a
# temporary folder, with one raw default queue whose backend writes each job to
# a file, runs the widget test that prints and reads the job back, and stops the
# scheduler. The system's own CUPS configuration is neither read nor changed.
#   cups_queue.sh <ui_tests program>
# Exits 77 (skipped) where the scheduler cannot run.
set -euo pipefail
tests=$1
export PATH=$PATH:/usr/sbin

if ((EUID != 0)); then
  echo "SKIPPED: the private CUPS scheduler starts as root (it then runs jobs as lp)"
  exit 77
fi
source "$(dirname "$0")/../require_tools.sh"
require_tools cupsd lpadmin lpstat

root=$(mktemp -d /tmp/zazuzar-cups.XXXXXX)
chmod 0755 "$root" # the backend runs as lp
scheduler=
stop() {
  if [[ -n $scheduler ]]; then
    kill "$scheduler" && wait "$scheduler" || true
  fi
  rm -rf "$root"
}
trap stop EXIT
mkdir -p "$root"/{spool,tmp,cache,state,log,client,home,bin/backend,jobs}
chown lp:lp "$root/jobs"

# The system's filters and helper programs, and a backend of our own:
# tofile:<folder> writes job <id> to <folder>/job-<id> in one step.
for part in /usr/lib/cups/*; do
  [[ $(basename "$part") == backend ]] || ln -s "$part" "$root/bin/"
done
cat >"$root/bin/backend/tofile" <<'EOF'
#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'direct tofile "Unknown" "Each job to a file"'
  exit 0
fi
folder=${DEVICE_URI#tofile:}
if [ -n "$6" ]; then cat "$6"; else cat; fi >"$folder/partial-$1" &&
  mv "$folder/partial-$1" "$folder/job-$1"
EOF
chmod 0755 "$root/bin/backend/tofile"

cat >"$root/cups-files.conf" <<EOF
ServerRoot $root
ServerBin $root/bin
RequestRoot $root/spool
TempDir $root/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
Printcap $root/printcap
User lp
Group lp
SystemGroup root
EOF
cat >"$root/cupsd.conf" <<EOF
Listen $root/cups.sock
LogLevel debug
Browsing No
WebInterface No
# Clients on the socket prove who they are by its peer credentials; the
# scheduler's built-in policy lets root administer and print.
<Location />
  Order allow,deny
  Allow localhost
</Location>
EOF

# The clients talk to the private scheduler only, and read no lpoptions or
# client.conf of the system's or of root's.
export CUPS_SERVER=$root/cups.sock CUPS_SERVERROOT=$root/client HOME=$root/home
unset PRINTER LPDEST

fail() {
  echo "$1"
  echo "--- scheduler log:"
  tail -n 40 "$root/log/error_log" 2>/dev/null || true
  exit 1
}

cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" &
scheduler=$!
for _ in $(seq 100); do
  lpstat -r 2>/dev/null | grep -q 'is running' && break
  sleep 0.1
done
lpstat -r 2>/dev/null | grep -q 'is running' || fail "the scheduler did not start"

queue=$(lpadmin -p zazuzar-test -E -v "tofile:$root/jobs" -m raw 2>&1 && lpadmin -d zazuzar-test 2>&1) ||
  fail "no queue: $queue"
lpstat -d | grep -q zazuzar-test || fail "no default queue"

output=$(QT_QPA_PLATFORM=offscreen ZAZUZAR_CUPS_JOBS=$root/jobs "$tests" \
  --gtest_filter='ChosenPrinterTest.KeyReachesTheDefaultCupsQueue*' 2>&1) || fail "$output"
grep -q '^\[  PASSED  \] 1 test' <<<"$output" || fail "$output"
echo "$output" | tail -n 3
