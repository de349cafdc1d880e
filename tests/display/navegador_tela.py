#!/usr/bin/python3
"""Opens the customer's page in headless Chromium (driven by Selenium), waits for the page the
display shows, and prints what the page's DOM shows as JSON on standard output: the sale rows
(kind, cell texts, the elements inside the name cell, the name cell's colour), the total, the
payment rows (title, value, open, colours), the width of the picture page's picture once loaded. With a folder, it also saves screenshots at a phone's
and a tablet's size there.

navegador_tela.py URL PAGE [FOLDER PREFIX]
"""

import json
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

TAMANHOS = [(390, 844), (844, 390), (1280, 800), (800, 1280), (1920, 1080)]

LER_DOM = """
const cor = (e) => getComputedStyle(e).color;
const fundo = (e) => getComputedStyle(e).backgroundColor;
return {
  versao: document.body.dataset.versao,
  pagina: document.body.dataset.pagina,
  linhas: [...document.querySelectorAll('#linhas tr')].map((tr) => ({
    tipo: tr.dataset.tipo,
    textos: [...tr.cells].map((td) => td.textContent),
    elementosNome: tr.cells[2].children.length,
    corNome: cor(tr.cells[2]),
  })),
  total: document.getElementById('totalVenda').textContent,
  figura: document.getElementById('figura').naturalWidth,
  pagamento: [...document.querySelectorAll('#linhasPagamento > div')].map((d) => ({
    titulo: d.children[0].textContent,
    valor: d.children[1].textContent,
    aberta: !d.classList.contains('fechada'),
    corTitulo: cor(d.children[0]),
    corValor: cor(d.children[1]),
    fundo: fundo(d),
  })),
};
"""


def main():
    url, pagina = sys.argv[1], sys.argv[2]
    opcoes = webdriver.ChromeOptions()
    opcoes.binary_location = "/usr/bin/chromium"
    for argumento in ("--headless=new", "--no-sandbox", "--disable-gpu",
                      "--disable-dev-shm-usage", "--window-size=1280,800"):
        opcoes.add_argument(argumento)
    navegador = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=opcoes)
    try:
        navegador.get(url)
        WebDriverWait(navegador, 30).until(lambda n: n.execute_script(
            "return document.body.dataset.pagina === arguments[0] && "
            "document.body.dataset.versao !== '0' && "
            "[...document.images].every((i) => i.hidden || i.complete)", pagina))
        print(json.dumps(navegador.execute_script(LER_DOM)))
        if len(sys.argv) > 4:
            pasta, prefixo = sys.argv[3], sys.argv[4]
            for largura, altura in TAMANHOS:
                navegador.set_window_size(largura, altura)
                navegador.save_screenshot(f"{pasta}/{prefixo}-{largura}x{altura}.png")
    finally:
        navegador.quit()


if __name__ == "__main__":
    main()
