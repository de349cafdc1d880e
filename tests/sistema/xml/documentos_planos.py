#!/usr/bin/env python3
"""Writes flat XML documents and what xml.etree reads from them, for the reader's cross-check.

Usage: documentos_planos.py FOLDER COUNT SEED
Writes FOLDER/doc_N.xml (UTF-8, some with a byte order mark) and FOLDER/esperado.json: for each
document the decoded text of the first element of every name (under the root), the texts of
every element of that name up to the first empty one, and every attribute of the first element
of every name.

The documents stay within what the reader handles by design: names are never nested in
themselves, every element of a name has attributes or none, empty elements are written
"<N></N>", attribute values are double-quoted with "<", ">", "&" and '"' escaped, and no text
holds ";" (so that no "&amp;" is followed by the name of another entity).
"""
import json
import os
import random
import sys
import xml.etree.ElementTree as ET

NOMES = ["nome", "valor", "cod", "codBarra", "obs", "xItem"]
# Elements of these names always carry attributes (not always all of them); "xid" ends like "id".
ATRIBUTOS = {"cod": ["id", "xid", "tipo"], "xItem": ["n", "nItem"]}
LETRAS = "abcdefghijXYZ0123456789 áéíóúãõçÁÉÇÜ.-/'\""
ESPECIAIS = "&<>"


def texto_aleatorio(r, maximo, quebras):
    alfabeto = LETRAS + ESPECIAIS + ("\n" if quebras else "")
    return "".join(r.choice(alfabeto) for _ in range(r.randint(0, maximo)))


def escapar(texto, atributo):
    saida = []
    for c in texto:
        if c == "&":
            saida.append("&amp;")
        elif c == "<":
            saida.append("&lt;")
        elif c == ">":
            saida.append("&gt;" if atributo or random.random() < 0.5 else ">")
        elif c == '"':
            saida.append("&quot;" if atributo or random.random() < 0.5 else '"')
        else:
            saida.append(c)
    return "".join(saida)


def elemento(r, nome):
    atributos = ""
    for a in ATRIBUTOS.get(nome, []):
        if r.random() < 0.7:
            atributos += f' {a}="{escapar(texto_aleatorio(r, 8, False), True)}"'
    if nome in ATRIBUTOS and not atributos:
        atributos = ' tipo="x"'
    texto = "" if r.random() < 0.1 else texto_aleatorio(r, 20, True)
    return f"<{nome}{atributos}>{escapar(texto, False)}</{nome}>"


def documento(r):
    filhos = [elemento(r, r.choice(NOMES)) for _ in range(r.randint(1, 12))]
    raiz = '<doc versao="1.0">' if r.random() < 0.5 else "<doc>"
    corpo = "\n  ".join(filhos)
    return f'<?xml version="1.0" encoding="UTF-8"?>\n{raiz}\n  {corpo}\n</doc>\n'


def esperado(xml):
    raiz = ET.fromstring(xml.encode("utf-8"))
    primeiros, todos, atributos = {}, {}, {}
    for nome in NOMES:
        elementos = raiz.findall(nome)
        primeiros[nome] = (elementos[0].text or "") if elementos else ""
        lista = []
        for e in elementos:
            if not e.text:
                break
            lista.append(e.text)
        todos[nome] = lista
        for a in ATRIBUTOS.get(nome, []) + ["versao"]:
            atributos[f"{nome}/{a}"] = elementos[0].get(a, "") if elementos else ""
    return {"primeiros": primeiros, "todos": todos, "atributos": atributos}


def main():
    pasta, quantidade, semente = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    r = random.Random(semente)
    random.seed(semente)
    casos = []
    for i in range(quantidade):
        xml = documento(r)
        arquivo = os.path.join(pasta, f"doc_{i}.xml")
        with open(arquivo, "wb") as f:
            f.write((b"\xef\xbb\xbf" if i % 3 == 0 else b"") + xml.encode("utf-8"))
        casos.append({"arquivo": arquivo, **esperado(xml)})
    with open(os.path.join(pasta, "esperado.json"), "w", encoding="utf-8") as f:
        json.dump(casos, f, ensure_ascii=False)


if __name__ == "__main__":
    main()
