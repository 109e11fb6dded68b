"""A local SMTP server that keeps what it receives, and a sendmail on PATH that
hands messages to it through the real msmtp."""

import errno
import os
import socket
import stat
import time

from aiosmtpd.controller import Controller


class _Keeper:
    def __init__(self):
        self.messages = []

    async def handle_DATA(self, server, session, envelope):
        self.messages.append((envelope.mail_from, list(envelope.rcpt_tos), envelope.original_content))
        return "250 OK"


def _free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class SmtpSink:
    def __init__(self):
        self.keeper = _Keeper()

    def __enter__(self):
        # A free port can be taken by a test running beside this one before the server
        # binds it: then another one.
        for attempt in range(20):
            self.port = _free_port()
            # The default second to come up is too short on a busy machine.
            self.controller = Controller(self.keeper, hostname="127.0.0.1", port=self.port, ready_timeout=60)
            try:
                self.controller.start()
                return self
            except OSError as error:
                if error.errno != errno.EADDRINUSE or attempt == 19:
                    raise

    def __exit__(self, *exc):
        self.controller.stop()

    @property
    def messages(self):
        return self.keeper.messages

    def wait_for(self, count, seconds=20):
        deadline = time.time() + seconds
        while len(self.messages) < count and time.time() < deadline:
            time.sleep(0.05)
        return self.messages

    def install_sendmail(self, folder, sender="moravel@example.com", log=None):
        """Writes an msmtp configuration and a `sendmail` that uses it into folder;
        msmtp notes each delivery in log when one is named."""
        os.makedirs(folder, exist_ok=True)
        rc = os.path.join(folder, "msmtprc")
        with open(rc, "w") as f:
            f.write(
                "defaults\n"
                "auth off\n"
                "tls off\n"
                "account sink\n"
                "host 127.0.0.1\n"
                f"port {self.port}\n"
                f"from {sender}\n"
                + (f"logfile {log}\n" if log else "")
                + "account default : sink\n"
            )
        os.chmod(rc, 0o600)
        wrapper = os.path.join(folder, "sendmail")
        with open(wrapper, "w") as f:
            f.write(f'#!/bin/sh\nexec msmtp -C "{rc}" "$@"\n')
        os.chmod(wrapper, 0o755)
        return wrapper


def install_stub_sendmail(folder):
    """A sendmail that keeps each message as message-N and its arguments as args-N."""
    os.makedirs(folder, exist_ok=True)
    stub = os.path.join(folder, "sendmail")
    with open(stub, "w") as f:
        f.write(
            "#!/bin/sh\n"
            "PATH=/usr/bin:/bin\n"
            'dir=$(dirname "$0")\n'
            'n=$(ls "$dir" | grep -c "^message-")\n'
            'printf "%s\\n" "$@" > "$dir/args-$n"\n'
            'cat > "$dir/message-$n"\n'
        )
    os.chmod(stub, stat.S_IRWXU | stat.S_IRGRP | stat.S_IXGRP | stat.S_IROTH | stat.S_IXOTH)
    return stub


def stub_messages(folder):
    names = sorted((n for n in os.listdir(folder) if n.startswith("message-")), key=lambda n: int(n[8:]))
    result = []
    for name in names:
        with open(os.path.join(folder, name), "rb") as f:
            result.append(f.read())
    return result
