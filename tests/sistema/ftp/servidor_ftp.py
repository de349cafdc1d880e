#!/usr/bin/env python3
"""FTP server on loopback for the tests: serves a folder to one account, prints its port on the
first line of its output, and writes every command it receives to a log (one per line)."""
import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer

parametros = argparse.ArgumentParser()
parametros.add_argument("--raiz", required=True)
parametros.add_argument("--registro", required=True)
parametros.add_argument("--usuario", default="usuario")
parametros.add_argument("--senha", default="senha")
parametros.add_argument("--sem-size", action="store_true", help="refuse SIZE")
parametros.add_argument("--tls", help="certificate and key (PEM): TLS required on both channels")
args = parametros.parse_args()

registro = open(args.registro, "a", buffering=1)
# Quiet: warnings and errors only.
logging.getLogger("pyftpdlib").addHandler(logging.NullHandler())


class Atendente(TLS_FTPHandler if args.tls else FTPHandler):
    def pre_process_command(self, line, cmd, arg):
        registro.write(cmd + "\n")
        super().pre_process_command(line, cmd, arg)

    def ftp_SIZE(self, path):
        if args.sem_size:
            self.respond("502 Command not implemented.")
            return
        super().ftp_SIZE(path)


autorizador = DummyAuthorizer()
autorizador.add_user(args.usuario, args.senha, args.raiz, perm="elradfmwMT")
Atendente.authorizer = autorizador
Atendente.auth_failed_timeout = 0.5
if args.tls:
    Atendente.certfile = args.tls
    Atendente.tls_control_required = True
    Atendente.tls_data_required = True
def terminar_com_o_pai():
    """Ends the server when the test that started it ends, even if it crashed: its stdin closes."""
    sys.stdin.buffer.read()
    os._exit(0)


threading.Thread(target=terminar_com_o_pai, daemon=True).start()
servidor = FTPServer(("127.0.0.1", 0), Atendente)
print(servidor.address[1], flush=True)
servidor.serve_forever()
