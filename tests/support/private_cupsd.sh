#!/bin/sh
# A print server of the test's own: configuration, spool, logs, socket and
# a capture backend in one folder, nothing of the system's touched.
#   private_cupsd.sh start DIR   prints the socket to point CUPS_SERVER at;
#                                the queue "capture" copies each job's file
#                                into DIR/jobs
#   private_cupsd.sh stop DIR
set -eu
command=$1
dir=$2
case $command in
start)
  mkdir -p "$dir/spool" "$dir/log" "$dir/cache" "$dir/state" "$dir/temp" "$dir/jobs" "$dir/serverbin/backend" "$dir/conf/ppd"
  chmod 1777 "$dir/temp" "$dir/jobs"
  # The system's filters and daemons, our own backends.
  for part in cgi-bin daemon driver filter monitor notifier; do
    [ -e /usr/lib/cups/$part ] && ln -sfn /usr/lib/cups/$part "$dir/serverbin/$part"
  done
  cat >"$dir/serverbin/backend/capture" <<'BACKEND'
#!/bin/sh
# With no arguments a backend lists what it can reach; otherwise it takes
# job, user, title, copies, options and the file (or standard input).
if [ $# -eq 0 ]; then echo 'direct capture "Unknown" "Capture"'; exit 0; fi
out="${DEVICE_URI#capture:}/job-$1.pdf"
if [ $# -ge 6 ]; then cat "$6" >"$out.part"; else cat >"$out.part"; fi
mv "$out.part" "$out"
echo "$3" >"${DEVICE_URI#capture:}/job-$1.title"
BACKEND
  chmod 0755 "$dir/serverbin/backend/capture"
  cat >"$dir/conf/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing Off
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
ServerBin $dir/serverbin
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/temp
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice Yes
Sandboxing Relaxed
CONF
  cupsd -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" -f >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.daemon"
  for i in $(seq 1 100); do
    [ -S "$dir/cups.sock" ] && break
    sleep 0.1
  done
  [ -S "$dir/cups.sock" ] || { cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null >&2; exit 1; }
  lpadmin -h "$dir/cups.sock" -p capture -E -v "capture:$dir/jobs" 2>"$dir/log/lpadmin.err" ||
    { cat "$dir/log/lpadmin.err" >&2; exit 1; }
  lpadmin -h "$dir/cups.sock" -d capture
  echo "$dir/cups.sock"
  ;;
stop)
  if [ -f "$dir/cupsd.daemon" ]; then
    kill "$(cat "$dir/cupsd.daemon")" 2>/dev/null || true
    for i in $(seq 1 50); do kill -0 "$(cat "$dir/cupsd.daemon")" 2>/dev/null || break; sleep 0.1; done
  fi
  ;;
esac
