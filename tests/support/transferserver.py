#!/ usr / bin / python3
"""Loopback file servers for the transfer tests: FTP, FTP over explicit TLS (pyftpdlib) and SFTP
(asyncssh), serving one folder to one user. Prints "PORT <n>" (and for SFTP "KEY <line>" and
"OTHERKEY <line>", public host keys in known_hosts form) once it listens, then serves until its
standard input closes or the time limit passes."""

import argparse
import logging
import os
import sys
import threading
import time


def stop_when_stdin_closes(limit):
    def watch():
        try:
            sys.stdin.read()
        finally:
            os._exit(0)

    threading.Thread(target=watch, daemon=True).start()
    threading.Timer(limit, lambda: os._exit(0)).start()


def announce(*lines):
    for line in lines:
        print(line, flush=True)


def make_certificate(cert_path, key_path):
    from OpenSSL import crypto
    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = "127.0.0.1"
    cert.set_serial_number(int(time.time()))
    cert.gmtime_adj_notBefore(-60)
    cert.gmtime_adj_notAfter(3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.add_extensions([crypto.X509Extension(b"subjectAltName", False, b"IP:127.0.0.1")])
    cert.sign(key, "sha256")
    with open(cert_path, "wb") as f:
        f.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
    with open(key_path, "wb") as f:
        f.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))


def serve_ftp(args):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
    from pyftpdlib.servers import FTPServer

    logging.basicConfig(level=int(os.environ.get("TRANSFER_LOG", logging.CRITICAL)))
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elr" if args.readonly else "elradfmwMT")
    if args.tls:
        from pyftpdlib.handlers import TLS_FTPHandler
        cert = os.path.join(args.state, "cert.pem")
        key = os.path.join(args.state, "key.pem")
        if not os.path.exists(cert):
            make_certificate(cert, key)
        handler = TLS_FTPHandler
        handler.certfile = cert
        handler.keyfile = key
        handler.tls_control_required = True
        handler.tls_data_required = True
        from pyftpdlib.handlers import TLS_DTPHandler

        class DataChannel(TLS_DTPHandler):
#libcurl opens the data channel's TLS before it sends STOR; pyftpdlib would close a data
#channel that is readable before its command, so let the handshake finish and then wait.
            def readable(self):
                if self._ssl_accepting:
                    return True
                if self._ssl_established and not self.receive and not self._initialized:
                    return False
                return super().readable()

        handler.dtp_handler = DataChannel
    else:
        handler = FTPHandler
    handler.authorizer = authorizer
    handler.passive_ports = None
    if args.throttle:
        dtp = ThrottledDTPHandler
        dtp.read_limit = args.throttle
        handler.dtp_handler = dtp
    server = FTPServer(("127.0.0.1", args.port), handler)
    announce("PORT %d" % server.socket.getsockname()[1])
    server.serve_forever(handle_exit=False)


def serve_sftp(args):
    import asyncio
    import asyncssh

    def host_key(name):
        path = os.path.join(args.state, name)
        if not os.path.exists(path):
            asyncssh.generate_private_key("ecdsa-sha2-nistp256").write_private_key(path)
        return asyncssh.read_private_key(path)

    key = host_key(args.host_key)
    other = host_key(args.host_key + ".other")

    class Server(asyncssh.SSHServer):
        def begin_auth(self, username):
            return True

        def password_auth_supported(self):
            return True

        def validate_password(self, username, password):
            return username == args.user and password == args.password

    class Files(asyncssh.SFTPServer):
        def __init__(self, chan):
            super().__init__(chan, chroot=args.root.encode())

        def open(self, path, pflags, attrs):
            if args.readonly and pflags & asyncssh.FXF_WRITE:
                raise asyncssh.SFTPError(asyncssh.FX_PERMISSION_DENIED, "Read-only server")
            return super().open(path, pflags, attrs)

    async def main():
        server = await asyncssh.listen("127.0.0.1", args.port, server_host_keys=[key],
                                       server_factory=Server, sftp_factory=Files,
                                       allow_scp=False)
        port = server.sockets[0].getsockname()[1]
        announce("PORT %d" % port,
                 "KEY " + key.export_public_key("openssh").decode().split()[0] + " " +
                 key.export_public_key("openssh").decode().split()[1],
                 "OTHERKEY " + other.export_public_key("openssh").decode().split()[0] + " " +
                 other.export_public_key("openssh").decode().split()[1])
        await asyncio.Event().wait()

    asyncio.run(main())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("protocol", choices=["ftp", "ftps", "sftp"])
    parser.add_argument("--root", required=True)
    parser.add_argument("--state", required=True, help="folder for keys and certificates")
    parser.add_argument("--user", default="tester")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--readonly", action="store_true")
    parser.add_argument("--throttle", type=int, default=0, help="bytes per second the server reads")
    parser.add_argument("--host-key", default="host_key")
    parser.add_argument("--limit", type=float, default=120)
    args = parser.parse_args()
    stop_when_stdin_closes(args.limit)
    args.tls = args.protocol == "ftps"
    if args.protocol == "sftp":
        serve_sftp(args)
    else:
        serve_ftp(args)


if __name__ == "__main__":
    main()
