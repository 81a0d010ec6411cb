"""A stand-in for the QR payment service, for the tests: HTTPS on 127.0.0.1
with the certificate given, answering GET /snapscan/verify?merchant=M&id=N.

The merchant names the answer, so that each test asks for the one it needs.
A request that lacks what the till must send (its agent, its headers, a
numeric invoice) is answered 418, which no test expects.

Run as: python3 snapscanstub.py PORT CERTFILE KEYFILE
"""
import http.server
import json
import re
import ssl
import sys
import time
import urllib.parse

COMPLETED = {"status": "completed", "total_amount": 11000, "required_amount": 10000, "auth_code": "AUTH-7731"}


def without(key):
    return {k: v for k, v in COMPLETED.items() if k != key}


def body(value):
    return json.dumps(value).encode()


# merchant -> (HTTP code, body, seconds to wait before answering)
ANSWERS = {
    "paid-tip": (200, body(COMPLETED), 0),
    "paid-exact": (200, body(dict(COMPLETED, total_amount=10000)), 0),
    "pending": (200, body({"status": "pending"}), 0),
    "failed": (200, body({"status": "failed"}), 0),
    "declined": (200, body({"status": "declined", "total_amount": 11000}), 0),
    "status-number": (200, body({"status": 1}), 0),
    "unpaid": (404, b"", 0),
    "not-json": (200, b"<html><body>Service Unavailable</body></html>", 0),
    "cut-short": (200, body(COMPLETED)[:-9], 0),
    "server-error": (500, body(COMPLETED), 0),
    "no-status": (200, body(without("status")), 0),
    "no-total": (200, body(without("total_amount")), 0),
    "no-required": (200, body(without("required_amount")), 0),
    "no-auth": (200, body(without("auth_code")), 0),
    "negative": (200, body(dict(COMPLETED, total_amount=-11000, required_amount=-10000)), 0),
    "enormous": (200, body(dict(COMPLETED, total_amount=1e15)), 0),
    "text-amount": (200, body(dict(COMPLETED, total_amount="11000")), 0),
    "null-amount": (200, body(dict(COMPLETED, required_amount=None)), 0),
    "short-paid": (200, body(dict(COMPLETED, total_amount=9000)), 0),
    "other-invoice": (200, body(dict(COMPLETED, total_amount=5000, required_amount=5000)), 0),
    "slow": (200, body(COMPLETED), 5),
}


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, code, data):
        self.send_response(code)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        query = urllib.parse.parse_qs(url.query)
        wrong = []
        if url.path != "/snapscan/verify":
            wrong.append("path " + url.path)
        if self.headers.get("User-Agent") != "Brevalon":
            wrong.append("agent")
        if self.headers.get("Accept") != "*/*":
            wrong.append("accept")
        if self.headers.get("Content-Type") != "application/x-www-form-urlencoded":
            wrong.append("content type")
        if not re.fullmatch(r"[0-9]+", (query.get("id") or [""])[0]):
            wrong.append("invoice")
        if wrong:
            self.answer(418, ("wrong request: " + ", ".join(wrong)).encode())
            return
        code, data, delay = ANSWERS.get((query.get("merchant") or [""])[0], (400, b"", 0))
        time.sleep(delay)
        try:
            self.answer(code, data)
        except OSError:
            pass  # the till gave up waiting


def main():
    port, cert, key = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.daemon_threads = True
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
