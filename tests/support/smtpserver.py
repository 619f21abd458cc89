"""A real SMTP peer for the feedback mail tests (aiosmtpd on loopback).

Usage: smtpserver.py OUTDIR MODE [USER PASSWORD]

MODE:
  login      offers AUTH LOGIN (and PLAIN) on the plain connection, accepts USER/PASSWORD only
  refuse     offers AUTH LOGIN, refuses every login with its own reply line
  plainonly  offers AUTH PLAIN only (no LOGIN)
  noauth     offers no AUTH at all

Every received message is written to OUTDIR as message_<n>.json: the envelope, the
authenticated user, the raw content and the parsed headers and parts. Prints "READY <port>"
once it listens.
"""

import base64
import email
import email.policy
import json
import os
import signal
import socket
import sys
import threading

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

REFUSAL = "535 5.7.8 Anmeldung abgelehnt: Konto gesperrt"


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def describe(raw):
    msg = email.message_from_bytes(raw, policy=email.policy.default)
    parts = []
    for part in msg.walk() if msg.is_multipart() else [msg]:
        if part.is_multipart():
            continue
        payload = part.get_payload(decode=True) or b""
        entry = {
            "content_type": part.get_content_type(),
            "charset": part.get_content_charset(),
            "filename": part.get_filename(),
            "data_b64": base64.b64encode(payload).decode("ascii"),
        }
        if part.get_content_maintype() == "text":
            entry["text"] = part.get_content()
        parts.append(entry)
    return {
        "subject": str(msg.get("Subject", "")),
        "from": str(msg.get("From", "")),
        "to": str(msg.get("To", "")),
        "message_id": str(msg.get("Message-ID", "")),
        "content_type": msg.get_content_type(),
        "parts": parts,
        "defects": [type(d).__name__ for d in msg.defects],
    }


class Recorder:
    def __init__(self, outdir):
        self.outdir = outdir
        self.count = 0
        self.lock = threading.Lock()

    async def handle_DATA(self, server, session, envelope):
        with self.lock:
            self.count += 1
            n = self.count
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "auth_user": session.login_data.decode("utf-8", "replace")
            if isinstance(session.login_data, bytes)
            else session.login_data,
            "raw": envelope.original_content.decode("utf-8", "replace"),
        }
        record.update(describe(envelope.original_content))
        path = os.path.join(self.outdir, "message_%d.json" % n)
        with open(path + ".part", "w", encoding="utf-8") as f:
            json.dump(record, f, ensure_ascii=False, indent=1)
        os.replace(path + ".part", path)
        return "250 OK"


def main():
    outdir, mode = sys.argv[1], sys.argv[2]
    user = sys.argv[3] if len(sys.argv) > 3 else ""
    password = sys.argv[4] if len(sys.argv) > 4 else ""

    def authenticator(server, session, envelope, mechanism, auth_data):
        if mode == "refuse":
            return AuthResult(success=False, handled=False, message=REFUSAL)
        ok = (
            isinstance(auth_data, LoginPassword)
            and auth_data.login == user.encode()
            and auth_data.password == password.encode()
        )
        if not ok:
            return AuthResult(success=False, handled=False)
        return AuthResult(success=True, auth_data=auth_data)

    kwargs = {"authenticator": authenticator, "auth_require_tls": False}
    if mode == "plainonly":
        kwargs["auth_exclude_mechanism"] = ["LOGIN"]
    elif mode == "noauth":
        # on a plain connection aiosmtpd then advertises no AUTH at all
        kwargs = {"auth_require_tls": True}

    controller = Controller(
        Recorder(outdir), hostname="127.0.0.1", port=free_port(), **kwargs
    )
    controller.start()
    print("READY %d" % controller.port, flush=True)

    stop = threading.Event()
    signal.signal(signal.SIGTERM, lambda *a: stop.set())
    signal.signal(signal.SIGINT, lambda *a: stop.set())

    def parent_gone():
        # the test's end of stdin closes when the test dies, even when it crashed
        while os.read(0, 4096):
            pass
        stop.set()

    threading.Thread(target=parent_gone, daemon=True).start()
    stop.wait()
    controller.stop()
    sys.stdout.flush()
    os._exit(0)  # the stdin watcher may still be reading


if __name__ == "__main__":
    main()
