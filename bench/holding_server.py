#!/usr/bin/env python3
"""A live MP3 station for the jitter benchmark, on 127.0.0.1: sends FILE (looped) at RATE bytes a
second without a length, first BURST bytes at once, and holds its data back once, HOLD seconds
long, AT seconds after each connection starts, then sends what it owes at once (as a network
that holds the data does). Prints its port, serves until killed.
    holding_server.py FILE RATE BURST AT HOLD"""
import socket
import sys
import threading
import time

path, rate, burst, hold_at, hold = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), float(sys.argv[4]), float(sys.argv[5])
data = open(path, "rb").read()


def serve(client):
    try:
        client.recv(4096)
        client.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nicy-br: %d\r\n"
                       b"Connection: close\r\n\r\n" % (rate * 8 // 1000))
        sent = 0
        start = time.monotonic()
        held = False
        while True:
            now = time.monotonic() - start
            if not held and hold > 0 and now >= hold_at:
                held = True
                time.sleep(hold)
                now = time.monotonic() - start
            due = burst + int(now * rate)
            while sent < due:
                at = sent % len(data)
                piece = data[at:at + min(due - sent, len(data) - at)]
                client.sendall(piece)
                sent += len(piece)
            time.sleep(0.1)
    except OSError:
        pass
    finally:
        client.close()


listener = socket.socket()
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", 0))
listener.listen(8)
print(listener.getsockname()[1], flush=True)
while True:
    connection, _ = listener.accept()
    threading.Thread(target=serve, args=(connection,), daemon=True).start()
