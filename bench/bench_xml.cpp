// Twenty fields of each of 1 000 electronic invoices, read through the key-path reader, beside
// Qt's streaming XML reader pulling the same fields out of the same texts; and the decoding of
// entities in an element of 1 MB beside one of 10 MB (linear: ten times as long).

#include <benchmark/benchmark.h>

#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>
#include <vector>

#include "sistema/xml/TmXMLLeitura.h"

namespace {

constexpr int kNotas = 1000;

// A consumer invoice of an ordinary shop: three to seven items, like the ones the POS stores.
QString NotaFiscal(int numero) {
    QString itens;
    for (int i = 1; i <= 3 + numero % 5; ++i)
        itens += QStringLiteral(
                     "<det nItem=\"%1\"><prod><cProd>%2</cProd><cEAN>7891234567895</cEAN>"
                     "<xProd>Produto n\u00famero %2 &amp; cia</xProd><NCM>19059090</NCM>"
                     "<CFOP>5102</CFOP><uCom>UN</uCom><qCom>1.0000</qCom>"
                     "<vUnCom>%3.9900000000</vUnCom><vProd>%3.99</vProd></prod><imposto>"
                     "<vTotTrib>1.83</vTotTrib><ICMS><ICMSSN102><orig>0</orig><CSOSN>102</CSOSN>"
                     "</ICMSSN102></ICMS></imposto></det>\n")
                     .arg(i)
                     .arg(numero * 10 + i)
                     .arg(i * 3);
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<nfeProc xmlns=\"http://www.portalfiscal.inf.br/nfe\" versao=\"4.00\">"
               "<NFe xmlns=\"http://www.portalfiscal.inf.br/nfe\">"
               "<infNFe Id=\"NFe3523091234567800019565001%1\" versao=\"4.00\">\n"
               "<ide><cUF>35</cUF><cNF>%1</cNF><natOp>Venda de mercadoria</natOp><mod>65</mod>"
               "<serie>1</serie><nNF>%1</nNF><dhEmi>2023-09-04T10:20:30-03:00</dhEmi>"
               "<tpNF>1</tpNF><cMunFG>3550308</cMunFG><tpAmb>2</tpAmb></ide>\n"
               "<emit><CNPJ>12345678000195</CNPJ><xNome>Padaria S\u00e3o Jo\u00e3o Ltda</xNome>"
               "<enderEmit><xLgr>Rua da Concei\u00e7\u00e3o</xLgr><nro>1024</nro>"
               "<xMun>S\u00e3o Paulo</xMun><UF>SP</UF><CEP>01305000</CEP></enderEmit>"
               "<IE>110042490114</IE><CRT>1</CRT></emit>\n"
               "<dest><CPF>12345678909</CPF><xNome>Jos\u00e9 Ant\u00f4nio %1</xNome>"
               "<indIEDest>9</indIEDest></dest>\n%2"
               "<total><ICMSTot><vBC>0.00</vBC><vICMS>0.00</vICMS><vProd>64.11</vProd>"
               "<vDesc>0.11</vDesc><vNF>64.00</vNF><vTotTrib>9.20</vTotTrib></ICMSTot></total>\n"
               "<transp><modFrete>9</modFrete></transp><pag><detPag><tPag>01</tPag>"
               "<vPag>70.00</vPag></detPag><vTroco>6.00</vTroco></pag>\n"
               "<infAdic><infCpl>Troca em at\u00e9 7 dias &amp; s\u00f3 com nota</infCpl>"
               "</infAdic></infNFe>\n<Signature xmlns=\"http://www.w3.org/2000/09/xmldsig#\">"
               "<SignedInfo><Reference URI=\"#NFe%1\"><DigestValue>qXyFj0mQ2Rk1bOeV=</DigestValue>"
               "</Reference></SignedInfo><SignatureValue>TWFuIGlzIGRpc3Rpbmd1aXNoZWQ="
               "</SignatureValue></Signature></NFe>\n<protNFe versao=\"4.00\">"
               "<infProt Id=\"ID1352300000%1\"><tpAmb>2</tpAmb>"
               "<dhRecbto>2023-09-04T10:20:33-03:00</dhRecbto><nProt>1352300000%1</nProt>"
               "<cStat>100</cStat><xMotivo>Autorizado o uso da NF-e</xMotivo></infProt>"
               "</protNFe></nfeProc>\n")
        .arg(QString::number(100000 + numero), itens);
}

const std::vector<QString>& Notas() {
    static const std::vector<QString> notas = [] {
        std::vector<QString> v;
        for (int i = 0; i < kNotas; ++i)
            v.push_back(NotaFiscal(i));
        return v;
    }();
    return notas;
}

// The twenty fields, as key paths from the invoice's root element.
const std::vector<TcrvArrayString>& Campos() {
    static const std::vector<TcrvArrayString> campos = {
        {"NFe", "infNFe", "ide", "cUF"},
        {"NFe", "infNFe", "ide", "nNF"},
        {"NFe", "infNFe", "ide", "serie"},
        {"NFe", "infNFe", "ide", "dhEmi"},
        {"NFe", "infNFe", "ide", "natOp"},
        {"NFe", "infNFe", "emit", "CNPJ"},
        {"NFe", "infNFe", "emit", "xNome"},
        {"NFe", "infNFe", "emit", "enderEmit", "xMun"},
        {"NFe", "infNFe", "emit", "enderEmit", "UF"},
        {"NFe", "infNFe", "emit", "IE"},
        {"NFe", "infNFe", "dest", "CPF"},
        {"NFe", "infNFe", "dest", "xNome"},
        {"NFe", "infNFe", "total", "ICMSTot", "vProd"},
        {"NFe", "infNFe", "total", "ICMSTot", "vDesc"},
        {"NFe", "infNFe", "total", "ICMSTot", "vNF"},
        {"NFe", "infNFe", "total", "ICMSTot", "vTotTrib"},
        {"NFe", "infNFe", "pag", "vTroco"},
        {"NFe", "infNFe", "infAdic", "infCpl"},
        {"protNFe", "infProt", "nProt"},
        {"protNFe", "infProt", "cStat"},
    };
    return campos;
}

using Valores = std::array<QString, 20>;

Valores LerComTmXMLLeitura(const QString& nota) {
    Valores valores;
    for (std::size_t i = 0; i < valores.size(); ++i)
        valores[i] = TmXMLLeitura::ElementoStr(nota, Campos()[i], {}, false);
    return valores;
}

// Each field's path below the root element, as the streaming reader meets it.
const QHash<QString, int>& IndiceDosCaminhos() {
    static const QHash<QString, int> indice = [] {
        QHash<QString, int> h;
        for (const TcrvArrayString& campo : Campos())
            h.insert(QStringList(campo).join(u'/'), h.size());
        return h;
    }();
    return indice;
}

Valores LerComQXmlStreamReader(const QString& nota) {
    const QHash<QString, int>& indice = IndiceDosCaminhos();
    Valores valores;
    QXmlStreamReader leitor(nota);
    QString caminho;
    int profundidade = 0;
    while (!leitor.atEnd()) {
        const auto token = leitor.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (profundidade++ > 0) {
                if (!caminho.isEmpty())
                    caminho += u'/';
                caminho += leitor.name();
            }
            const auto achado = indice.constFind(caminho);
            if (achado == indice.cend())
                continue;
            valores[*achado] = leitor.readElementText();
        } else if (token != QXmlStreamReader::EndElement) {
            continue;
        }
        // Leaving an element (readElementText leaves the one it read).
        if (--profundidade > 0)
            caminho.truncate(std::max<qsizetype>(caminho.lastIndexOf(u'/'), 0));
    }
    return valores;
}

// Both readers read the same fields, and all of them, or the comparison means nothing.
bool Concordam() {
    for (const QString& nota : Notas()) {
        const Valores valores = LerComTmXMLLeitura(nota);
        if (valores != LerComQXmlStreamReader(nota) ||
            std::any_of(valores.begin(), valores.end(),
                        [](const QString& v) { return v.isEmpty(); }))
            return false;
    }
    return true;
}

template <Valores (*Ler)(const QString&)>
void Medir(benchmark::State& state) {
    if (!Concordam()) {
        state.SkipWithError("the two readers do not read the same fields");
        return;
    }
    for (auto _ : state) {
        for (const QString& nota : Notas())
            benchmark::DoNotOptimize(Ler(nota));
    }
}

void Xml_ElementoStr(benchmark::State& state) {
    Medir<LerComTmXMLLeitura>(state);
}
void Xml_QXmlStreamReader(benchmark::State& state) {
    Medir<LerComQXmlStreamReader>(state);
}

// ElementoStr of an element holding state.range(0) MB of "&amp;" (quadratic once: 93 times as
// long for ten times the text).
void Xml_Entidades(benchmark::State& state) {
    const qsizetype tamanho = state.range(0) << 20;
    const QString xml = QStringLiteral("<t>") + QStringLiteral("&amp;").repeated(tamanho / 5) +
                        QStringLiteral("</t>");
    const TcrvArrayString chave{QStringLiteral("t")};
    if (TmXMLLeitura::ElementoStr(xml, chave, {}, false) != QString(tamanho / 5, u'&')) {
        state.SkipWithError("entities not decoded");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(TmXMLLeitura::ElementoStr(xml, chave, {}, false));
}

}  // namespace

BENCHMARK(Xml_Entidades)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(Xml_ElementoStr)->Unit(benchmark::kMillisecond);
BENCHMARK(Xml_QXmlStreamReader)->Unit(benchmark::kMillisecond);
