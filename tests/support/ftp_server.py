"""A real FTP server for the tests: pyftpdlib on 127.0.0.1, one account, the given root,
optionally a rate its data connections keep to (bytes a second, 0 for none).
Prints "PORT <n>" once it listens, then serves until it is killed."""
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.log import config_logging
from pyftpdlib.servers import FTPServer

config_logging(level=logging.WARNING)
root, user, password = sys.argv[1:4]
port = int(sys.argv[4]) if len(sys.argv) > 4 else 0
rate = int(sys.argv[5]) if len(sys.argv) > 5 else 0
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
handler = FTPHandler
handler.authorizer = authorizer
handler.permit_foreign_addresses = True
if rate > 0:
    ThrottledDTPHandler.read_limit = rate
    ThrottledDTPHandler.write_limit = rate
    handler.dtp_handler = ThrottledDTPHandler
server = FTPServer(("127.0.0.1", port), handler)
print("PORT", server.socket.getsockname()[1], flush=True)
server.serve_forever()
