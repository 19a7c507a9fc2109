# Shared by scripts/demo and scripts/bench: Debian's nginx with a
# configuration of its own, serving one folder on a free port of 127.0.0.1.
# shellcheck shell=bash

NGINX_PID=""
NGINX_PORT=""

# A port of 127.0.0.1 that nobody listens on right now.
free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()'
}

# nginx_start STATEDIR DOCROOT [PORT [DIRECTIVES]]: configuration, pid file
# and logs in STATEDIR; a free port unless one is given; DIRECTIVES (such as
# a rate limit) go into the server block.
nginx_start() {
    local dir="$1" docroot="$2" extra="${4:-}"
    mkdir -p "$dir/tmp"
    NGINX_PORT="${3:-$(free_port)}"
    # As root the workers would otherwise run as www-data, which may not be
    # allowed into a sandbox below a private home folder.
    local user_line=""
    [ "$(id -u)" = 0 ] && user_line="user root;"
    cat > "$dir/nginx.conf" <<CONF
$user_line
worker_processes 1;
daemon off;
pid $dir/nginx.pid;
error_log $dir/error.log;
events { worker_connections 64; }
http {
    access_log $dir/access.log;
    client_body_temp_path $dir/tmp/body;
    proxy_temp_path $dir/tmp/proxy;
    fastcgi_temp_path $dir/tmp/fastcgi;
    uwsgi_temp_path $dir/tmp/uwsgi;
    scgi_temp_path $dir/tmp/scgi;
    default_type application/octet-stream;
    sendfile on;
    tcp_nopush on;
    server {
        listen 127.0.0.1:$NGINX_PORT;
        root $docroot;
        $extra
    }
}
CONF
    nginx -p "$dir" -c "$dir/nginx.conf" -e "$dir/error.log" &
    NGINX_PID=$!
    for _ in $(seq 100); do
        curl -s -o /dev/null "http://127.0.0.1:$NGINX_PORT/" && return 0
        kill -0 "$NGINX_PID" 2>/dev/null || break
        sleep 0.05
    done
    echo "nginx did not start; see $dir/error.log" >&2
    return 1
}

nginx_stop() {
    if [ -n "$NGINX_PID" ]; then
        kill "$NGINX_PID" 2>/dev/null || true
        wait "$NGINX_PID" 2>/dev/null || true
        NGINX_PID=""
    fi
}

# zip_folder FOLDER ARCHIVE: the folder's contents (not the folder itself),
# with their Unix modes; Info-ZIP's zip need not be installed.
zip_folder() {
    local archive
    archive="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
    rm -f "$archive"
    (cd "$1" && python3 -m zipfile -c "$archive" ./*)
}

# manifest_xml VERSION HOST SOURCE SHA1 SIZE PACKAGE_PLATFORM: the package
# manifest that Cartaline leaves in the work folder.
manifest_xml() {
    cat <<XML
<?xml version="1.0" encoding="UTF-8"?>
<update>
  <release><version>$1</version><date>$(date +%Y-%m-%d)</date></release>
  <packages>
    <package>
      <name>update_win</name>
      <hash>$4</hash>
      <host>$2</host>
      <source>$3</source>
      <platform>$6</platform>
      <size>$5</size>
    </package>
  </packages>
  <install>
    <file>
      <name>Cartaline</name>
      <package>update_win</package>
      <target></target>
      <exec>Cartaline.exe</exec>
      <platform>windows</platform>
      <permissions>0755</permissions>
      <is-main-binary>true</is-main-binary>
    </file>
  </install>
</update>
XML
}
