# nginx on 127.0.0.1 for tests, the demo and benchmarks: one private instance per state
# folder (configuration, pid, logs and temp files all inside it), on a free port, bounded
# in time. Sourced by the scripts that need a server.

# Seconds an instance may live at most, in case nobody stops it.
VELTRA_NGINX_LIFETIME=${VELTRA_NGINX_LIFETIME:-1800}

veltra_free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# veltra_nginx_start ROOT STATE [LOCATIONS]: serves ROOT; LOCATIONS is a file of extra
# server-block directives, included as it stands. Writes STATE/address
# ("http://127.0.0.1:PORT") and returns once the server answers.
veltra_nginx_start() {
    local root state extra port
    root=$(cd "$1" && pwd)
    mkdir -p "$2/temp"
    state=$(cd "$2" && pwd)
    extra=${3:+include $(cd "$(dirname "$3")" && pwd)/$(basename "$3");}
    for _ in 1 2 3 4 5; do
        port=$(veltra_free_port)
        cat >"$state/nginx.conf" <<CONF
daemon off;
master_process off;
pid $state/nginx.pid;
error_log $state/error.log warn;
events { worker_connections 64; }
http {
    access_log off;
    default_type application/octet-stream;
    sendfile on;
    client_body_temp_path $state/temp/body;
    proxy_temp_path $state/temp/proxy;
    fastcgi_temp_path $state/temp/fastcgi;
    uwsgi_temp_path $state/temp/uwsgi;
    scgi_temp_path $state/temp/scgi;
    server {
        listen 127.0.0.1:$port;
        root $root;
        $extra
    }
}
CONF
        rm -f "$state/nginx.pid"
        setsid timeout "$VELTRA_NGINX_LIFETIME" nginx -p "$state" -e "$state/error.log" -c "$state/nginx.conf" \
            </dev/null >/dev/null 2>&1 &
        if veltra_wait_for_port "$port"; then
            echo "http://127.0.0.1:$port" >"$state/address"
            return 0
        fi
        veltra_nginx_stop "$state"
    done
    echo "nginx: could not start on 127.0.0.1 (see $state/error.log)" >&2
    return 1
}

# veltra_wait_for_port PORT: true once something accepts on it, within 5 s.
veltra_wait_for_port() {
    local tries=50
    until python3 -c "import socket,sys; socket.create_connection(('127.0.0.1', $1), 0.2)" 2>/dev/null; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# veltra_nginx_stop STATE: ends the instance of that state folder and waits for it.
veltra_nginx_stop() {
    local pid_file="$1/nginx.pid" pid
    [ -f "$pid_file" ] || return 0
    pid=$(cat "$pid_file")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$pid_file" "$1/address"
}
