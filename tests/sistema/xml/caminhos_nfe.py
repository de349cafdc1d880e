#!/usr/bin/env python3
"""Every element path of real invoices, as xml.etree reads them, for the key-path reader's check.

Usage: caminhos_nfe.py FILE...
Prints JSON: for each file, every distinct path of element names (namespaces dropped, root
first) in document order, each with the text xml.etree gives the first element on that path
(entities and character references decoded, CDATA unwrapped; null for an element with children)
and the kinds of text where the reader's plain text search differs from a parser on purpose:
  cdata        the text is written in a CDATA section (the reader keeps the markers)
  referencia   the text holds a numeric character reference (the reader decodes none)
  prefixo      a name on the path is written with a namespace prefix ("<ns1:Signature>")
  autofechado  a name on the path is written closing itself somewhere ("<NCM />", "<x a=''/>")
  antes        an element of the same name comes first in the parent's text (in an earlier
               branch, or inside the element itself), so the first tags found are not its own
  comentario   a name on the path appears as a tag inside a comment
  crlf         the text holds a carriage return (a parser reads CR LF as LF; the reader keeps it)
"""
import json
import re
import sys
import xml.etree.ElementTree as ET


def local(tag):
    return tag.rsplit("}", 1)[-1]


def tipos_do_texto(bruto_do_elemento):
    tipos = set()
    if "<![CDATA[" in bruto_do_elemento:
        tipos.add("cdata")
    if "&#" in bruto_do_elemento:
        tipos.add("referencia")
    if "\r" in bruto_do_elemento:
        tipos.add("crlf")
    return tipos


def caminhos(arquivo):
    dados = open(arquivo, "rb").read()
    bruto = dados.decode("latin-1" if b'encoding="ISO-8859-1"' in dados[:200] else "utf-8-sig")
    prefixados = set(re.findall(r"<\w+:(\w+)", bruto))
    autofechados = set(re.findall(r"<(\w+)(?:\s[^<>]*)?/>", bruto))
    em_comentarios = set()
    for comentario in re.findall(r"<!--(.*?)-->", bruto, re.S):
        em_comentarios |= set(re.findall(r"</?(\w+)", comentario))
    raiz = ET.parse(arquivo).getroot()
    vistos = {}

    def visitar(elemento, caminho, tipos_do_caminho):
        nome = local(elemento.tag)
        caminho = caminho + [nome]
        tipos = set(tipos_do_caminho)
        if nome in prefixados:
            tipos.add("prefixo")
        if nome in autofechados:
            tipos.add("autofechado")
        if nome in em_comentarios:
            tipos.add("comentario")
        if any(local(d.tag) == nome for d in list(elemento.iter())[1:]):
            tipos.add("antes")
        chave = "/".join(caminho)
        if chave not in vistos:
            texto = None
            if len(elemento) == 0:
                texto = elemento.text or ""
                # the raw text between this element's tags, as far as one search finds it
                achado = re.search(r"<%s(?:\s[^<>]*)?>(.*?)</%s>" % (nome, nome), bruto, re.S)
                if achado:
                    tipos |= tipos_do_texto(achado.group(1))
            vistos[chave] = {"caminho": caminho, "texto": texto, "tipos": sorted(tipos)}
        anteriores = set()
        for filho in elemento:
            filho_tipos = set(tipos)
            if local(filho.tag) in anteriores:
                filho_tipos.add("antes")
            visitar(filho, caminho, filho_tipos)
            anteriores |= {local(d.tag) for d in filho.iter()}

    visitar(raiz, [], set())
    return list(vistos.values())


def main():
    json.dump({arquivo: caminhos(arquivo) for arquivo in sys.argv[1:]}, sys.stdout,
              ensure_ascii=False)


if __name__ == "__main__":
    main()
