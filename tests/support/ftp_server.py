"""A real FTP server for the tests: pyftpdlib on 127.0.0.1, one account, the given root.
Prints "PORT <n>" once it listens, then serves until it is killed."""
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.log import config_logging
from pyftpdlib.servers import FTPServer

config_logging(level=logging.WARNING)
root, user, password = sys.argv[1:4]
port = int(sys.argv[4]) if len(sys.argv) > 4 else 0
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
handler = FTPHandler
handler.authorizer = authorizer
handler.permit_foreign_addresses = True
server = FTPServer(("127.0.0.1", port), handler)
print("PORT", server.socket.getsockname()[1], flush=True)
server.serve_forever()
