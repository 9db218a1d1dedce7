#!/usr/bin/env python3
"""A web server that misbehaves in every way the download tests name, one way per path
(see REPLIES). Usage: hostile_server.py PORT_FILE. Ends by itself after LIFETIME seconds;
a connection it keeps silent is dropped after HOLD seconds."""
import gzip
import socket
import sys
import threading
import time

LIFETIME = 1800
HOLD = 120
BODY = bytes(i % 251 for i in range(200_000))


def head(status, *headers):
    return ("HTTP/1.1 " + status + "\r\n" + "".join(h + "\r\n" for h in headers) + "\r\n").encode()


def endless(connection):
    connection.sendall(head("200 OK", "Connection: close"))
    while True:
        connection.sendall(BODY)


def reset(connection):
    connection.sendall(head("200 OK", "Content-Length: 1000000") + BODY[:20_000])
    connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\x01\x00\x00\x00\x00\x00\x00\x00")


def chunked_cut(connection):
    connection.sendall(head("200 OK", "Transfer-Encoding: chunked") + b"4e20\r\n" + BODY[:20_000] + b"\r\n")


def gzip_cut(connection):
    packed = gzip.compress(bytes(range(256)) * 2000 + BODY)
    connection.sendall(head("200 OK", "Content-Encoding: gzip", "Content-Length: %d" % len(packed)) +
                       packed[:len(packed) // 2])


def gzip_bomb(connection):
    packed = gzip.compress(bytes(64 << 20), 9)
    connection.sendall(head("200 OK", "Content-Encoding: gzip", "Content-Length: %d" % len(packed)) + packed)


def redirect(location):
    return lambda connection, port: connection.sendall(
        head("302 Found", "Location: " + location.replace("PORT", str(port)), "Content-Length: 0"))


def plain(status, *headers, body=b""):
    return lambda connection, port: connection.sendall(head(status, *headers) + body)


# Path: what the reply does. The length of a good body is announced unless said otherwise.
REPLIES = {
    "/good": plain("200 OK", "Content-Length: 20000", body=BODY[:20_000]),
    "/reset": lambda c, p: reset(c),
    "/cut/large.bin": plain("200 OK", "Content-Length: 1000000", body=BODY),
    "/headers-then-silence": lambda c, p: (c.sendall(head("200 OK", "Content-Length: 1000")), time.sleep(HOLD)),
    "/silence": lambda c, p: time.sleep(HOLD),
    "/self-redirect": redirect("/self-redirect"),
    "/endless": lambda c, p: endless(c),
    "/gzip-bomb": lambda c, p: gzip_bomb(c),
    "/redirect-without-location": plain("302 Found", "Content-Length: 0"),
    "/redirect-other-host": redirect("http://localhost:PORT/good"),
    "/not-http": lambda c, p: c.sendall(b"SSH-2.0-nothing like a web server\r\n\r\n" + BODY[:5000]),
    "/gzip-cut": lambda c, p: gzip_cut(c),
    "/chunked-cut": lambda c, p: chunked_cut(c),
}


def answer(connection, port):
    with connection:
        connection.settimeout(HOLD)
        request = b""
        try:
            while b"\r\n\r\n" not in request:
                data = connection.recv(4096)
                if not data:
                    return
                request += data
            path = request.split(b" ")[1].decode(errors="replace")
            if path.startswith("/silence/"):  # a whole silent server tree
                path = "/silence"
            if path.startswith("/endless/"):  # endless files of any name
                path = "/endless"
            REPLIES.get(path, plain("404 Not Found", "Content-Length: 0"))(connection, port)
        except OSError:
            pass


def main():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    port = listener.getsockname()[1]
    with open(sys.argv[1], "w") as port_file:
        port_file.write(str(port))
    threading.Timer(LIFETIME, lambda: listener.close()).start()
    while True:
        try:
            connection, _ = listener.accept()
        except OSError:
            return
        threading.Thread(target=answer, args=(connection, port), daemon=True).start()


main()
