"""A stand-in for the hotel system's TCP link, for the tests.

On PORT it answers as the hotel system does: the guest list to "<GST><EOF>",
the account list to "<ACC><EOF>", and to a charge "TRUE", or "FALSE" when
the charge is for folio 5004 (a blocked folio); each answer ends with the
close of the connection. Every request is appended to LOGFILE, one a line.
On SILENT_PORT it takes the request and never answers.

Run as: python3 semperstub.py PORT SILENT_PORT LOGFILE
"""
import socketserver
import sys
import threading

GUESTS = ("<GST>"
          "101,5001,SMITH J,In House,01/12/2026,08/12/2026,"
          "102,5002,JONES A,Departed,28/11/2026,04/12/2026,"
          "103,5003,NDLOVU T,In House,03/12/2026,06/12/2026,"
          "104,5004,BLOCKED B,In House,01/12/2026,09/12/2026,"
          "105,5005,PATEL R,Reserved,10/12/2026,12/12/2026,"
          ",,,,,,"
          "<EOF>")
ACCOUNTS = "<ACC>A01,HOUSE ACCOUNT,0,0,A02,STAFF MEALS,0,0,<EOF>"
LOG = None
LOCK = threading.Lock()


def read_request(sock):
    data = b""
    while not data.endswith(b"EOF>"):
        chunk = sock.recv(4096)
        if not chunk:
            break
        data += chunk
    return data.decode("utf-8", "replace")


class Answering(socketserver.BaseRequestHandler):
    def handle(self):
        request = read_request(self.request)
        with LOCK, open(LOG, "a", encoding="utf-8") as log:
            log.write(request + "\n")
        if request == "<GST><EOF>":
            reply = GUESTS
        elif request == "<ACC><EOF>":
            reply = ACCOUNTS
        else:
            refused = request.split(">", 2)[-1].startswith("5004,") or "TRN>5004," in request
            word = "FALSE" if refused else "TRUE"
            reply = "<BATCH>%s<BATCHEOF>" % word if request.startswith("<BATCH>") else word + "<EOF>"
        self.request.sendall(reply.encode())


class Silent(socketserver.BaseRequestHandler):
    def handle(self):
        read_request(self.request)
        while self.request.recv(4096):
            pass  # until the till gives up and closes


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def main():
    global LOG
    port, silent, LOG = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
    quiet = Server(("127.0.0.1", silent), Silent)
    threading.Thread(target=quiet.serve_forever, daemon=True).start()
    Server(("127.0.0.1", port), Answering).serve_forever()


if __name__ == "__main__":
    main()
