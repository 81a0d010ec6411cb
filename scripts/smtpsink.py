"""An SMTP handler for the test server: every message received is written,
as the client sent it, to a file of its own in a folder.

Run as: /usr/bin/python3 -m aiosmtpd -n -l 127.0.0.1:PORT -c smtpsink.Sink FOLDER
(with this folder on PYTHONPATH).
"""
import itertools
import os


class Sink:
    def __init__(self, folder):
        self.folder = folder
        self.count = itertools.count(1)

    @classmethod
    def from_cli(cls, parser, *args):
        if len(args) != 1:
            parser.error("Sink takes one argument: the folder for the messages")
        return cls(args[0])

    async def handle_DATA(self, server, session, envelope):
        path = os.path.join(self.folder, "%06d.eml" % next(self.count))
        with open(path + ".part", "wb") as out:
            out.write(envelope.original_content)
        os.rename(path + ".part", path)
        return "250 Message accepted for delivery"
