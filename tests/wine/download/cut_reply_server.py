#!/usr/bin/env python3
"""Answers every request with a 200 that announces more bytes than it sends, then closes
the connection: a server that dies mid-transfer. Usage: cut_reply_server.py PORT_FILE.
Ends by itself after an hour."""
import socket
import sys
import threading

ANNOUNCED = 1_000_000
SENT = 200_000


def answer(connection):
    with connection:
        connection.settimeout(10)
        request = b""
        while b"\r\n\r\n" not in request:
            data = connection.recv(4096)
            if not data:
                return
            request += data
        head = f"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: {ANNOUNCED}\r\n\r\n"
        connection.sendall(head.encode() + bytes(i % 251 for i in range(SENT)))


def main():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    with open(sys.argv[1], "w") as port_file:
        port_file.write(str(listener.getsockname()[1]))
    threading.Timer(3600, lambda: listener.close()).start()
    while True:
        try:
            connection, _ = listener.accept()
        except OSError:
            return
        threading.Thread(target=answer, args=(connection,), daemon=True).start()


main()
