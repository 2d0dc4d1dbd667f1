#!/usr/bin/env python3
"""An Icecast source for tests: sends Ogg files one after another to a mount, over and over,
as one chained stream paced by the files' own granule positions (as a station's encoder
would), so that each file is a song with the title its comments name.

ogg_source.py PORT PASSWORD MOUNT FILE...
"""
import base64
import socket
import struct
import sys
import time

# Sent this far ahead of the audio's time, as encoders keep a little in hand.
LEAD_SECONDS = 0.5


def pages(data):
    at = 0
    while at + 27 <= len(data):
        if data[at:at + 4] != b"OggS":
            raise ValueError("not an Ogg page at %d" % at)
        segments = data[at + 26]
        body = sum(data[at + 27:at + 27 + segments])
        end = at + 27 + segments + body
        yield data[at:end]
        at = end


def rate_of(first_page):
    body = first_page[27 + first_page[26]:]
    if body.startswith(b"\x01vorbis"):
        return struct.unpack("<I", body[12:16])[0]
    return 48000  # Opus: granule positions count at 48 kHz


def main():
    port, password, mount = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    files = [open(name, "rb").read() for name in sys.argv[4:]]
    sock = socket.create_connection(("127.0.0.1", port))
    auth = base64.b64encode(("source:" + password).encode()).decode()
    sock.sendall(("PUT %s HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nAuthorization: Basic %s\r\n"
                  "Content-Type: audio/ogg\r\nIce-Name: Ice FM\r\nIce-Public: 0\r\n\r\n"
                  % (mount, port, auth)).encode())
    answer = b""
    while b"\r\n\r\n" not in answer:
        more = sock.recv(4096)
        if not more:
            sys.exit("icecast closed the connection: %r" % answer)
        answer += more
    if b" 200 " not in answer.split(b"\r\n", 1)[0]:
        sys.exit("icecast refused the source: %r" % answer)
    began = time.monotonic()
    chain_start = 0.0
    while True:
        for data in files:
            rate = None
            last = 0.0
            for page in pages(data):
                if rate is None:
                    rate = rate_of(page)
                granule = struct.unpack("<q", page[6:14])[0]
                if granule > 0:
                    last = granule / rate
                    wait = began + chain_start + last - LEAD_SECONDS - time.monotonic()
                    if wait > 0:
                        time.sleep(wait)
                sock.sendall(page)
            chain_start += last


if __name__ == "__main__":
    try:
        main()
    except (BrokenPipeError, ConnectionResetError, KeyboardInterrupt):
        pass
