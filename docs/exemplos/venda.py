#!/usr/bin/env python3
"""Envia uma venda inteira a um display Orvane, como faria um PDV.

Só usa a biblioteca padrão. Uso:
    python3 venda.py [endereço] [--porta 22334] [--pausa 1.0]
"""

import argparse
import socket
import time
import unicodedata
from decimal import Decimal

LIMPAR, LISTA, RESUMO, MEIOS, MENSAGEM = 5, 1, 3, 4, 6
CENTAVO = Decimal("0.01")


def texto_7bits(texto):
    """Tira os acentos; o que não for ASCII vira '?', como o display mostraria."""
    sem_acentos = "".join(c for c in unicodedata.normalize("NFD", texto)
                          if unicodedata.category(c) != "Mn")
    return sem_acentos.encode("ascii", "replace")


def linha(codigo, *campos):
    """Os bytes de um comando: o código como um byte, um espaço, os campos separados por '|'."""
    return bytes([codigo]) + b" " + texto_7bits("|".join(campos)) + b"\n"


def valor(numero, casas=2):
    """Um valor com vírgula decimal, como o display lê com as configurações brasileiras."""
    return f"{Decimal(numero):.{casas}f}".replace(".", ",")


def registro(*campos):
    """Um registro do comando 1, completado até os 11 campos obrigatórios."""
    return "|".join(list(campos) + [""] * (11 - len(campos)))


def lista(itens):
    """O comando 1: a lista inteira de itens e o registro de total; e o total."""
    registros, total = [], Decimal(0)
    for n, (barras, nome, qtd, tipo, unit) in enumerate(itens, 1):
        total_item = (qtd * unit).quantize(CENTAVO)
        total += total_item
        registros.append(registro(str(n), barras, nome, valor(qtd, 3), tipo, valor(unit),
                                  valor(total_item), "", "0", "0"))
    registros.append(registro("TOTAL", valor(total)))
    return linha(LISTA, "&".join(registros)), total


def venda():
    """As linhas de uma venda: itens um a um, pagamento com troco e agradecimento."""
    produtos = [
        ("7891000100103", "ARROZ TIPO 1 5KG", Decimal(1), "UN", Decimal("21.90")),
        ("7896006711155", "FEIJÃO CARIOCA 1KG", Decimal(2), "UN", Decimal("8.49")),
        ("7891910000197", "AÇÚCAR REFINADO 1KG", Decimal(3), "UN", Decimal("4.79")),
        ("2000512003574", "BANANA PRATA KG", Decimal("0.512"), "KG", Decimal("6.98")),
    ]
    yield linha(LIMPAR)
    for quantos in range(1, len(produtos) + 1):
        comando, total = lista(produtos[:quantos])
        yield comando  # a cada item a lista inteira, como o PDV faz
    pago = Decimal(100)
    yield linha(RESUMO, valor(total), valor(0), valor(0), valor(0))
    yield linha(MEIOS, "Dinheiro", valor(pago), *[""] * 8,
                valor(total - pago), valor(total), valor(0), valor(0))
    yield linha(MENSAGEM, "Obrigado pela preferência!", "Volte sempre")


def main():
    opcoes = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    opcoes.add_argument("endereco", nargs="?", default="127.0.0.1")
    opcoes.add_argument("--porta", type=int, default=22334)
    opcoes.add_argument("--pausa", type=float, default=1.0,
                        help="segundos entre dois comandos (o display executa só a última "
                             "linha que chega em 100 ms)")
    args = opcoes.parse_args()
    with socket.create_connection((args.endereco, args.porta), timeout=5) as conexao:
        for comando in venda():
            conexao.sendall(comando)
            # na notação do pos-simulador: CÓDIGO:PARÂMETROS
            print(f"{comando[0]}:{comando[2:-1].decode('ascii')}", flush=True)
            time.sleep(args.pausa)


if __name__ == "__main__":
    main()
