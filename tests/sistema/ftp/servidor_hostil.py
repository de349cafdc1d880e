#!/usr/bin/env python3
"""A hostile FTP server on loopback: prints its port, then serves every connection by its mode.
  lixo     answers with bytes that are no FTP reply, then a reply of an unknown code
  sem_fim  a greeting that never ends (continuation lines, for ever, as fast as they go)
  lento    a greeting that never ends, one continuation line every half second
  reset    logs in and starts the download, then resets both connections mid-transfer
  curto    announces 10 000 000 bytes, sends 100 000 and reports the transfer complete"""
import os
import socket
import struct
import sys
import threading
import time

modo = sys.argv[1]


def escutar():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    s.listen(8)
    return s


def reset(conexao):
    conexao.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    conexao.close()


def atender(conexao):
    try:
        if modo == "lixo":
            conexao.sendall(b"\xff\xfe\x00lixo sem codigo\r\nabc\r\n999 ???\r\n")
            conexao.recv(1024)
        elif modo == "sem_fim":
            while True:
                conexao.sendall(b"220-" + b"x" * 1000 + b"\r\n")
        elif modo == "lento":
            while True:
                conexao.sendall(b"220-x\r\n")
                time.sleep(0.5)
        else:
            conexao.sendall(b"220 ok\r\n")
            dados = None
            arquivo = conexao.makefile("rb")
            for linha in arquivo:
                comando = linha.split(b" ")[0].strip().upper()
                if comando == b"USER":
                    conexao.sendall(b"331 senha\r\n")
                elif comando == b"PASS":
                    conexao.sendall(b"230 ok\r\n")
                elif comando == b"PWD":
                    conexao.sendall(b'257 "/"\r\n')
                elif comando == b"SIZE":
                    conexao.sendall(b"213 10000000\r\n")
                elif comando == b"EPSV":
                    dados = escutar()
                    porta = dados.getsockname()[1]
                    conexao.sendall(b"229 ok (|||%d|)\r\n" % porta)
                elif comando == b"RETR":
                    conexao.sendall(b"150 abrindo\r\n")
                    canal, _ = dados.accept()
                    canal.sendall(b"y" * 100000)
                    if modo == "curto":
                        canal.close()
                        conexao.sendall(b"226 completo\r\n")
                        continue
                    reset(canal)
                    reset(conexao)
                    return
                else:
                    conexao.sendall(b"200 ok\r\n")
    except OSError:
        pass
    finally:
        conexao.close()


def terminar_com_o_pai():
    """Ends the server when the test that started it ends, even if it crashed: its stdin closes."""
    sys.stdin.buffer.read()
    os._exit(0)


threading.Thread(target=terminar_com_o_pai, daemon=True).start()
servidor = escutar()
print(servidor.getsockname()[1], flush=True)
while True:
    c, _ = servidor.accept()
    threading.Thread(target=atender, args=(c,), daemon=True).start()
