#!/usr/bin/env python3
"""Vote mails as mail programs write them, by Python's own MIME writer.

usage: write_mails.py OUTDIR FORM:BODYFILE ...  (bodies in Windows-1252)
Writes OUTDIR/mails/NN.eml, one per body, and all of them as OUTDIR/votes.mbox.
FORM: qp (long lines folded), base64 (CR LF), alternative (an HTML part repeats
every line), latin1 (ISO-8859-15 plain part beside an attachment).
"""
import email.policy
import html
import mailbox
import os
import sys
from email.message import EmailMessage


def message(n, form, text):
    msg = EmailMessage()
    msg["From"] = f"Voter {n} <voter{n}@example.org>"
    msg["To"] = "votes@example.org"
    msg["Subject"] = "HIT-VAULT"
    charset = "iso-8859-15" if form == "latin1" else "utf-8"
    msg.set_content(text, charset=charset, cte="base64" if form == "base64" else "quoted-printable")
    if form == "alternative":
        lines = "".join(f"<p>{html.escape(line)}</p>\n" for line in text.splitlines())
        msg.add_alternative(f"<html><body>\n{lines}</body></html>\n", subtype="html")
    if form == "latin1":
        msg.add_attachment(b"checkbox=0001. not a vote\n", maintype="application",
                           subtype="octet-stream", filename="votes.bin")
    return msg


outdir = sys.argv[1]
os.makedirs(os.path.join(outdir, "mails"), exist_ok=True)
box = mailbox.mbox(os.path.join(outdir, "votes.mbox"))
for n, arg in enumerate(sys.argv[2:], start=1):
    form, path = arg.split(":", 1)
    with open(path, encoding="cp1252", newline="") as f:
        msg = message(n, form, f.read())
    policy = email.policy.SMTP if form == "base64" else email.policy.default
    with open(os.path.join(outdir, "mails", f"{n:02d}.eml"), "wb") as f:
        f.write(msg.as_bytes(policy=policy))
    box.add(msg)
box.close()
