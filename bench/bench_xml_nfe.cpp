// Key paths of real invoices read from a loaded document (the reader's indexed search) beside one
// pass of Qt's streaming XML reader over the same text: twenty fields of the largest invoice of
// tests/sistema/xml/nfe-real (101 KB, 41 items), and every leaf path of it in a 5 MB batch of fifty
// copies of it.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QSet>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

#include "base/CodePage.h"
#include "sistema/xml/TmXMLLeitura.h"

namespace {

constexpr int kCopiasNoLote = 50;

QString NotaGrande() {
    QFile arquivo(QStringLiteral(PASTA_NFE "/08-speddanfe-v400-41items.xml"));
    arquivo.open(QIODevice::ReadOnly);
    return CodePage::DeArquivo(arquivo.readAll());
}

// Fifty copies of the invoice (without its XML declaration) in one root element.
QString Lote() {
    QString nota = NotaGrande();
    nota.remove(0, nota.indexOf(QStringLiteral("<nfeProc")));
    QString lote = QStringLiteral("<lote>");
    for (int i = 0; i < kCopiasNoLote; ++i)
        lote += nota;
    return lote + QStringLiteral("</lote>");
}

TcrvArrayString Caminho(std::initializer_list<const char*> nomes) {
    TcrvArrayString caminho;
    for (const char* nome : nomes)
        caminho << QString::fromLatin1(nome);
    return caminho;
}

const std::vector<TcrvArrayString>& VinteCampos() {
    static const std::vector<TcrvArrayString> campos = {
        Caminho({"nfeProc", "NFe", "infNFe", "ide", "cUF"}),
        Caminho({"nfeProc", "NFe", "infNFe", "ide", "nNF"}),
        Caminho({"nfeProc", "NFe", "infNFe", "ide", "serie"}),
        Caminho({"nfeProc", "NFe", "infNFe", "ide", "dhEmi"}),
        Caminho({"nfeProc", "NFe", "infNFe", "ide", "natOp"}),
        Caminho({"nfeProc", "NFe", "infNFe", "emit", "CNPJ"}),
        Caminho({"nfeProc", "NFe", "infNFe", "emit", "xNome"}),
        Caminho({"nfeProc", "NFe", "infNFe", "emit", "enderEmit", "xMun"}),
        Caminho({"nfeProc", "NFe", "infNFe", "emit", "enderEmit", "UF"}),
        Caminho({"nfeProc", "NFe", "infNFe", "emit", "IE"}),
        Caminho({"nfeProc", "NFe", "infNFe", "dest", "CNPJ"}),
        Caminho({"nfeProc", "NFe", "infNFe", "dest", "xNome"}),
        Caminho({"nfeProc", "NFe", "infNFe", "total", "ICMSTot", "vProd"}),
        Caminho({"nfeProc", "NFe", "infNFe", "total", "ICMSTot", "vDesc"}),
        Caminho({"nfeProc", "NFe", "infNFe", "total", "ICMSTot", "vNF"}),
        Caminho({"nfeProc", "NFe", "infNFe", "total", "ICMSTot", "vFrete"}),
        Caminho({"nfeProc", "NFe", "infNFe", "pag", "detPag", "vPag"}),
        Caminho({"nfeProc", "protNFe", "infProt", "chNFe"}),
        Caminho({"nfeProc", "protNFe", "infProt", "nProt"}),
        Caminho({"nfeProc", "protNFe", "infProt", "cStat"}),
    };
    return campos;
}

// The first 136 paths of elements without children, in document order, as the streaming reader
// meets them.
std::vector<TcrvArrayString> CaminhosDasFolhas(const QString& xml, std::size_t quantos) {
    std::vector<TcrvArrayString> caminhos;
    QSet<QString> vistos;
    TcrvArrayString pilha;
    bool temFilho = false;
    QXmlStreamReader leitor(xml);
    while (!leitor.atEnd() && caminhos.size() < quantos) {
        const auto token = leitor.readNext();
        if (token == QXmlStreamReader::StartElement) {
            pilha << leitor.name().toString();
            temFilho = false;
        } else if (token == QXmlStreamReader::EndElement) {
            const QString chave = pilha.join(u'/');
            if (!temFilho && !vistos.contains(chave)) {
                vistos.insert(chave);
                caminhos.push_back(pilha);
            }
            pilha.removeLast();
            temFilho = true;
        }
    }
    return caminhos;
}

// What the text search of the single invoice answers for each path (below the batch's root).
std::vector<QString> Esperados(const std::vector<TcrvArrayString>& caminhos, bool noLote) {
    const QString nota = NotaGrande();
    std::vector<QString> esperados;
    for (TcrvArrayString caminho : caminhos) {
        if (noLote)
            caminho.removeFirst();
        esperados.push_back(TmXMLLeitura::ElementoStr(nota, caminho));
    }
    return esperados;
}

// Reads every path from a freshly loaded document (its index built by the first search); a run
// whose answers differ from the text search's is no measurement.
void LerDoDocumento(benchmark::State& state, const QString& xml,
                    const std::vector<TcrvArrayString>& caminhos,
                    const std::vector<QString>& esperados) {
    for (auto _ : state) {
        TmXMLLeitura leitor;
        leitor.setXML(xml);
        for (std::size_t i = 0; i < caminhos.size(); ++i) {
            if (leitor.ElementoStr(caminhos[i]) != esperados[i]) {
                state.SkipWithError("an answer differs from the text search's");
                return;
            }
        }
    }
}

void UmaPassada(benchmark::State& state, const QString& xml) {
    for (auto _ : state) {
        QXmlStreamReader leitor(xml);
        int elementos = 0;
        while (!leitor.atEnd())
            elementos += leitor.readNext() == QXmlStreamReader::StartElement;
        benchmark::DoNotOptimize(elementos);
    }
}

void Nfe101KB_VinteCampos(benchmark::State& state) {
    LerDoDocumento(state, NotaGrande(), VinteCampos(), Esperados(VinteCampos(), false));
}

void Nfe101KB_QXmlStreamReader(benchmark::State& state) {
    UmaPassada(state, NotaGrande());
}

void Lote5MB_136Caminhos(benchmark::State& state) {
    const QString lote = Lote();
    const std::vector<TcrvArrayString> caminhos = CaminhosDasFolhas(lote, 136);
    LerDoDocumento(state, lote, caminhos, Esperados(caminhos, true));
}

void Lote5MB_QXmlStreamReader(benchmark::State& state) {
    UmaPassada(state, Lote());
}

}  // namespace

BENCHMARK(Nfe101KB_VinteCampos)->Unit(benchmark::kMillisecond);
BENCHMARK(Nfe101KB_QXmlStreamReader)->Unit(benchmark::kMillisecond);
BENCHMARK(Lote5MB_136Caminhos)->Unit(benchmark::kMillisecond);
BENCHMARK(Lote5MB_QXmlStreamReader)->Unit(benchmark::kMillisecond);
