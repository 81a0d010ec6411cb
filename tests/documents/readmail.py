"""Reads a received message with Python's standard e-mail parser and tells
what a mail program would see: one line per part (content type, id and
size), and the decoded bytes of the image part written to a file.

usage: readmail.py MESSAGE IMAGE_OUT
"""
import email
import email.policy
import sys

with open(sys.argv[1], "rb") as f:
    message = email.message_from_binary_file(f, policy=email.policy.default)
print("subject:", message["Subject"])
print("type:", message.get_content_type())
print("multipart:", message.is_multipart())
for part in message.iter_parts():
    payload = part.get_payload(decode=True) or b""
    print("part:", part.get_content_type(), part.get("Content-ID", ""), len(payload))
    if part.get_content_type() == "image/png":
        with open(sys.argv[2], "wb") as out:
            out.write(payload)
    if part.get_content_type() == "text/html":
        sys.stdout.write("html:" + payload.decode("ascii", "replace").replace("\n", " ") + "\n")
