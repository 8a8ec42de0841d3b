#!/usr/bin/env python3
"""A TLS listener on 127.0.0.1 for rkdb2 doctor's tests, with a throwaway
certificate made by openssl: every connection gets a handshake and is closed.

  tls_listener.py start DIR   make DIR's certificate, start the listener in
                              the background; its port is written to DIR/port
  tls_listener.py stop DIR    stop it
"""
import os
import signal
import socket
import ssl
import subprocess
import sys
import time

SUBJECT = "/O=rkdb2 tests/CN=doctor.rkdb2.test"


def serve(directory):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(directory, "cert.pem"), os.path.join(directory, "key.pem"))
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as listener:
        listener.bind(("127.0.0.1", 0))
        listener.listen(16)
        port_file = os.path.join(directory, "port")
        with open(port_file + ".new", "w") as out:
            out.write(str(listener.getsockname()[1]))
        os.replace(port_file + ".new", port_file)
        while True:
            connection, _ = listener.accept()
            connection.settimeout(5)
            try:
                with context.wrap_socket(connection, server_side=True) as tls:
                    tls.recv(1)
            except (OSError, ssl.SSLError):
                pass
            finally:
                connection.close()


def start(directory):
    stop(directory)
    os.makedirs(directory, exist_ok=True)
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", SUBJECT, "-keyout", os.path.join(directory, "key.pem"),
                    "-out", os.path.join(directory, "cert.pem")],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    port_file = os.path.join(directory, "port")
    if os.path.exists(port_file):
        os.remove(port_file)
    child = subprocess.Popen([sys.executable, __file__, "serve", directory], start_new_session=True,
                             stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(os.path.join(directory, "pid"), "w") as out:
        out.write(str(child.pid))
    for _ in range(100):
        if os.path.exists(port_file):
            return 0
        if child.poll() is not None:
            break
        time.sleep(0.05)
    print("tls_listener: the listener did not start", file=sys.stderr)
    return 1


def stop(directory):
    pid_file = os.path.join(directory, "pid")
    if os.path.exists(pid_file):
        try:
            os.kill(int(open(pid_file).read()), signal.SIGTERM)
        except (OSError, ValueError):
            pass
        os.remove(pid_file)
    return 0


if __name__ == "__main__":
    command, directory = sys.argv[1], sys.argv[2]
    if command == "serve":
        serve(directory)
    sys.exit(start(directory) if command == "start" else stop(directory))
