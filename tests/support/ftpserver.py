"""A real FTP server (pyftpdlib) on loopback for the update check's tests and demo.

Prints "READY <port>" once it listens, and "CONNECTED" for every connection. Modes:
  default             serve --root read-only to --user/--password
  --refuse-login      refuse every login (530)
  --greeting-delay S  wait S seconds before greeting a client
  --bare              a bare listening socket that accepts connections and never answers
                      (pyftpdlib always greets)
"""
import argparse
import logging
import socket
import time


def bare(port):
    srv = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    srv.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    srv.bind(("127.0.0.1", port))
    srv.listen(16)
    print("READY %d" % srv.getsockname()[1], flush=True)
    held = []
    while True:
        conn, _ = srv.accept()
        held.append(conn)  # kept open, never written to
        print("CONNECTED", flush=True)


def ftp(args):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    logging.basicConfig(level=logging.WARNING)
    authorizer = DummyAuthorizer()
    if not args.refuse_login:
        authorizer.add_user(args.user, args.password, args.root, perm="elr")
    class Handler(FTPHandler):
        def handle(self):
            print("CONNECTED", flush=True)
            if args.greeting_delay > 0:
                time.sleep(args.greeting_delay)  # holds the check before its first reply
            super().handle()

    handler = Handler
    handler.authorizer = authorizer
    handler.banner = "Tarvolo test server ready."
    handler.auth_failed_timeout = 0  # answer a refused login at once
    server = FTPServer(("127.0.0.1", args.port), handler)
    print("READY %d" % server.socket.getsockname()[1], flush=True)
    server.serve_forever(handle_exit=True)


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--user", default="tarvolo")
    p.add_argument("--password", default="")
    p.add_argument("--root", default=".")
    p.add_argument("--refuse-login", action="store_true")
    p.add_argument("--bare", action="store_true")
    p.add_argument("--greeting-delay", type=float, default=0.0)
    args = p.parse_args()
    if args.bare:
        bare(args.port)
    else:
        ftp(args)


if __name__ == "__main__":
    main()
