// The XML reader: an electronic invoice read through its file, the search rules on small
// documents, entities, typed readers, and agreement with Python's xml.etree on generated flat
// documents and on every element path of real invoices (tests/sistema/xml/nfe-real, SOURCES.md),
// where the indexed search of a loaded document must also answer exactly as the text search.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <random>

#include "base/CodePage.h"
#include "sistema/xml/TmXMLLeitura.h"
#include "support/ComRegionais.h"

namespace {

const QString kNotaFiscal = QStringLiteral(PASTA_XML "/nfe_padaria.xml");

TDateTime Em(int ano, int mes, int dia, int h = 0, int n = 0, int s = 0) {
    return DataHora::FromQDateTime(QDateTime(QDate(ano, mes, dia), QTime(h, n, s)));
}

Currency Reais(const char* texto) {
    return *Currency::FromDecimalC(texto);
}

QString Gravar(const QTemporaryDir& pasta, const QString& nome, const QByteArray& bytes) {
    const QString caminho = pasta.filePath(nome);
    QFile arquivo(caminho);
    EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(bytes);
    return caminho;
}

QByteArray LerBytes(const QString& caminho) {
    QFile arquivo(caminho);
    EXPECT_TRUE(arquivo.open(QIODevice::ReadOnly));
    return arquivo.readAll();
}

// ---- The invoice ----

void ConferirNotaFiscal(const TmXMLLeitura& nota) {
    const TcrvArrayString emitente = {"NFe", "infNFe", "emit"};
    EXPECT_EQ(nota.ElementoStr(emitente + TcrvArrayString{"xNome"}),
              QString::fromUtf8("Padaria & Confeitaria São João Ltda"));
    EXPECT_EQ(nota.ElementoStr({"emit", "enderEmit", "xMun"}), QString::fromUtf8("São Paulo"));
    EXPECT_EQ(nota.ElementoStr({"dest", "xNome"}), QString::fromUtf8("José Antônio Gonçalves"));
    EXPECT_EQ(nota.ElementoStr({"infCpl"}),
              QString::fromUtf8("Troca em até 7 dias & só com nota. Tributos aprox. R$ 9,20 "
                                "(Lei 12.741/2012)"));
    EXPECT_EQ(nota.ElementoStr({"ide", "cNF"}), "00001234");
    EXPECT_EQ(nota.ElementoStr({"ide", "xNada"}, u"padrão"), QString::fromUtf8("padrão"));

    EXPECT_EQ(nota.ElementoInt({"ide", "nNF"}, -1), 1234);
    EXPECT_EQ(nota.ElementoInt({"ide", "cNF"}, -1), 1234);
    EXPECT_EQ(nota.ElementoInt({"emit", "enderEmit", "nro"}, -1), -1);  // "1.024" is no integer
    EXPECT_EQ(nota.ElementoCurr({"total", "ICMSTot", "vNF"}, {}), Reais("64.00"));
    EXPECT_EQ(nota.ElementoCurr({"det", "prod", "vProd"}, {}), Reais("12.74"));  // first item
    EXPECT_DOUBLE_EQ(nota.ElementoFloat({"det", "prod", "qCom"}, 0), 0.75);
    EXPECT_EQ(nota.ElementoDt({"ide", "dhEmi"}, 0), Em(2023, 9, 4, 10, 20, 30));
    EXPECT_EQ(nota.ElementoDt({"protNFe", "dhRecbto"}, 0), Em(2023, 9, 4, 10, 20, 33));

    TcrvArrayString produtos;
    ASSERT_TRUE(nota.Elemento(u"xProd", produtos));
    ASSERT_EQ(produtos.size(), 3);
    EXPECT_EQ(produtos[0], QString::fromUtf8("Pão francês kg"));
    EXPECT_EQ(TmXMLLeitura::pfConvertSpecialEntities(produtos[1]),
              QString::fromUtf8("Café torrado \"Extra Forte\" 500g"));
    EXPECT_EQ(TmXMLLeitura::pfConvertSpecialEntities(produtos[2]),
              QString::fromUtf8("Açúcar cristal 1kg <promoção>"));

    TcrvArrayString itens;
    ASSERT_TRUE(nota.Elemento(u"det", itens, true));
    ASSERT_EQ(itens.size(), 3);
    EXPECT_EQ(TmXMLLeitura::AtributoStr(itens[2], u"det", u"nItem", u""), "3");
    EXPECT_EQ(TmXMLLeitura::ElementoCurr(itens[2], {"vTotTrib"}, {}), Reais("2.06"));

    TcrvArrayString pagamentos;
    ASSERT_TRUE(nota.Elemento(u"vPag", pagamentos));
    EXPECT_EQ(pagamentos, (TcrvArrayString{"50.00", "20.00"}));

    EXPECT_EQ(nota.AtributoStr(u"infNFe", u"Id"),
              "NFe35230912345678000195650010000012341000012345");
    EXPECT_EQ(nota.AtributoStr(u"nfeProc", u"versao"), "4.00");
    EXPECT_EQ(nota.AtributoStr(u"SignatureMethod", u"Algorithm"),
              "http://www.w3.org/2000/09/xmldsig#rsa-sha1");
    EXPECT_EQ(nota.AtributoStr(u"det", u"nItem"), "1");

    QString qrCode;
    ASSERT_TRUE(nota.Elemento(u"qrCode", qrCode));
    EXPECT_TRUE(TmXMLLeitura::pfTagValida(qrCode).startsWith("https://www.homologacao"));
    EXPECT_FALSE(TmXMLLeitura::pfTagValida(qrCode).contains("CDATA"));
}

TEST(XmlNotaFiscal, ReadsTheUtf8InvoiceThroughItsFile) {
    const TmXMLLeitura nota(kNotaFiscal);
    EXPECT_EQ(nota.Arquivo(), kNotaFiscal);
    ConferirNotaFiscal(nota);
}

TEST(XmlNotaFiscal, ReadsTheSameInvoiceSavedInWindows1252) {
    QTemporaryDir pasta;
    const QString texto = QString::fromUtf8(LerBytes(kNotaFiscal));
    TmXMLLeitura nota;
    nota.setArquivo(Gravar(pasta, "nota_ansi.xml", CodePage::ParaAnsi(texto)));
    ConferirNotaFiscal(nota);
}

TEST(XmlNotaFiscal, AnUnreadableFileEmptiesTheDocumentAndAnEmptyNameKeepsIt) {
    TmXMLLeitura leitor;
    leitor.setXML("<a>1</a>");
    leitor.setArquivo({});
    EXPECT_EQ(leitor.XML(), "<a>1</a>");
    leitor.setArquivo("/nao/existe/nota.xml");
    EXPECT_EQ(leitor.XML(), "");
    EXPECT_EQ(leitor.ElementoInt({"a"}, 7), 7);
}

// ---- The search ----

TEST(XmlElemento, FindsByKeyPathAllElementsAndWithTags) {
    const QString xml = "<a><b>1</b><b>2</b></a>";
    QString texto;
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, TcrvArrayString{"a", "b"}, texto));
    EXPECT_EQ(texto, "1");
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, TcrvArrayString{"a", "b"}, texto, true));
    EXPECT_EQ(texto, "<b>1</b>");
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, u"a", texto, true));
    EXPECT_EQ(texto, xml);

    TcrvArrayString todos;
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, u"b", todos));
    EXPECT_EQ(todos, (TcrvArrayString{"1", "2"}));
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, u"b", todos, true));
    EXPECT_EQ(todos, (TcrvArrayString{"<b>1</b>", "<b>2</b>"}));
    EXPECT_FALSE(TmXMLLeitura::Elemento(xml, u"c", todos));
    EXPECT_TRUE(todos.isEmpty());
    EXPECT_FALSE(TmXMLLeitura::Elemento(xml, TcrvArrayString{"a", "c"}, texto));
    EXPECT_EQ(texto, "");
}

TEST(XmlElemento, FollowsTheTextSearchRules) {
    struct Caso {
        const char* xml;
        const char* chave;
        bool manterTag;
        bool achou;
        const char* texto;
    };
    const Caso casos[] = {
        // An element with attributes: its content, or the whole element with tags.
        {"<det nItem=\"1\"><prod>x</prod></det>", "det", false, true, "<prod>x</prod>"},
        {"<det nItem=\"1\"><prod>x</prod></det>", "det", true, true,
         "<det nItem=\"1\"><prod>x</prod></det>"},
        // The name must be followed by ">" or a blank: no prefix matches.
        {"<detalhe>x</detalhe><det>y</det>", "det", false, true, "y"},
        {"<det\tnItem=\"1\">x</det>", "det", false, false, ""},
        // Empty elements count as absent; "<N/>" is not an opening form at all.
        {"<a><b /></a>", "b", false, false, ""},
        {"<a><b></b></a>", "b", false, false, ""},
        {"<a><b/></a>", "b", false, false, ""},
        // ...but an empty element further on hides no element with attributes before it.
        {"<b n=\"1\">x</b><b />", "b", false, true, "x"},
        // Self-closed with attributes: the element itself, with tags only.
        {"<c><b n=\"1\"/></c>", "b", true, true, "<b n=\"1\"/>"},
        {"<c><b n=\"1\"/></c>", "b", false, false, ""},
        {"<b n=\"1\"/><b n=\"2\">x</b>", "b", false, false, ""},
        // The first opening of either form, whatever the form of the elements after it.
        {"<b n=\"1\">x</b><b>y</b>", "b", false, true, "x"},
        {"<b>x</b><b n=\"1\">y</b>", "b", true, true, "<b>x</b>"},
        // A closing tag before the opening one: nothing, never the rest of the text.
        {"</b>xyz<b>abc", "b", false, false, ""},
        {"</b>xyz<b n=\"1\">abc", "b", true, false, ""},
        // No nesting awareness: the first closing tag ends the element.
        {"<b>1<b>2</b>3</b>", "b", false, true, "1<b>2"},
        // Unfinished documents.
        {"<b n=\"1\"", "b", false, false, ""},
        {"<b>abc", "b", false, false, ""},
        {"<b>abc<x/>", "b", false, false, ""},
        {"", "b", false, false, ""},
    };
    for (const Caso& c : casos) {
        QString texto = "lixo";
        EXPECT_EQ(TmXMLLeitura::Elemento(QString(c.xml), QString(c.chave), texto, c.manterTag),
                  c.achou)
            << c.xml;
        EXPECT_EQ(texto, c.texto) << c.xml;
    }
}

TEST(XmlElemento, AdvancesThePositionAndStopsTheCollectionAtAnEmptyElement) {
    const QString xml = "<b>1</b><b></b><b>3</b>";
    qsizetype pos = 1;
    QString texto;
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, u"b", pos, texto, false));
    EXPECT_EQ(texto, "1");
    EXPECT_EQ(pos, 6);  // just past the "<" of the first "</b>"
    EXPECT_FALSE(TmXMLLeitura::Elemento(xml, u"b", pos, texto, false));
    EXPECT_EQ(pos, 13);
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, u"b", pos, texto, false));
    EXPECT_EQ(texto, "3");
    pos = -5;  // before the text counts as its start
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, u"b", pos, texto, false));
    EXPECT_EQ(texto, "1");

    TcrvArrayString todos;
    EXPECT_TRUE(TmXMLLeitura::Elemento(xml, u"b", todos));
    EXPECT_EQ(todos, TcrvArrayString{"1"});
}

// ---- Attributes ----

TEST(XmlAtributo, ReadsDoubleQuotedValuesOfTheFirstElementWithAttributes) {
    struct Caso {
        const char* xml;
        const char* atributo;
        const char* valor;
    };
    const Caso casos[] = {
        {"<det nItem=\"1\">x</det>", "nItem", "1"},
        {"<det  a=\"1\"\n  nItem=\"22\" >x</det>", "nItem", "22"},
        {"<det a=\"1\"\tnItem=\"3\">x</det>", "nItem", "3"},
        {"<det>x</det><det nItem=\"4\">y</det>", "nItem", "4"},
        // A longer name ending in the one sought is another attribute.
        {"<NFe xmlns=\"http://nfe\">", "ns", ""},
        {"<det xnItem=\"5\">", "nItem", ""},
        {"<det nItem='6'>", "nItem", ""},
        {"<det nItem=\"\">", "nItem", ""},
        {"<det nItem=\"7>", "nItem", ""},
        {"<det nItem=\"7\"", "nItem", ""},
        {"<det>x</det>", "nItem", ""},
        {"<det nItem=\"1\">", "", ""},
        {"<det nome=\"A&amp;B\">", "nome", "A&amp;B"},
    };
    for (const Caso& c : casos) {
        QString valor = "lixo";
        EXPECT_EQ(TmXMLLeitura::Atributo(QString(c.xml), u"det", QString(c.atributo), valor),
                  *c.valor != 0)
            << c.xml;
        EXPECT_EQ(valor, c.valor) << c.xml;
    }
    EXPECT_EQ(TmXMLLeitura::AtributoStr(u"<det nome=\"A&amp;B\">", u"det", u"nome", u""), "A&B");
    EXPECT_EQ(TmXMLLeitura::AtributoStr(u"<det>", u"det", u"nome", u"&lt;nenhum&gt;"), "<nenhum>");
    EXPECT_EQ(TmXMLLeitura::AtributoDt(u"<det d=\"2023-09-04\">", u"det", u"d", -1),
              Em(2023, 9, 4));
    EXPECT_EQ(TmXMLLeitura::AtributoDt(u"<det d=\"ontem\">", u"det", u"d", -1), -1);
}

// ---- Entities ----

TEST(XmlEntidades, AppliesTheTableInItsOrderAndNothingElse) {
    const std::pair<const char*, const char*> casos[] = {
        {"&quot;&amp;&lt;&gt;&circ;&tilde;", "\"&<>^~"},
        {"&QUOT;&AMP;&LT;&GT;&CIRC;&TILDE;", "\"&<>^~"},
        {"&amp;lt;", "<"},         // &amp; comes before &lt;
        {"&amp;quot;", "&quot;"},  // ...and after &quot;
        {"&Amp; &#233; &apos;", "&Amp; &#233; &apos;"},
        {"sem entidades", "sem entidades"},
        {"&amp", "&amp"},
        {"&amp;amp;lt;", "&amp;lt;"},  // a replacement is not searched again by its own step
        {"&AMP;lt;", "&lt;"},          // the capitals come after the small letters
        {"&amp;AMP;LT;", "<"},
        {"&&amp;&amp;&", "&&&&"},
    };
    for (const auto& [entrada, saida] : casos)
        EXPECT_EQ(TmXMLLeitura::pfConvertSpecialEntities(QString(entrada)), saida) << entrada;
    EXPECT_EQ(TmXMLLeitura::pfTagValida(u"<![CDATA[a &lt; b]]><![cdata[c]]>"), "a < bc");
}

// Texts made of pieces of entities decode as Qt's replace of each entity of the table in turn
// would decode them.
TEST(XmlEntidades, DecodeAsReplacingEachEntityInTurn) {
    const QStringList tabela{"&quot;", "\"", "&amp;",   "&", "&lt;",   "<",  "&gt;",    ">",
                             "&circ;", "^",  "&tilde;", "~", "&QUOT;", "\"", "&AMP;",   "&",
                             "&LT;",   "<",  "&GT;",    ">", "&CIRC;", "^",  "&TILDE;", "~"};
    const QStringList pedacos{"&",   "amp;",   "AMP;", "lt;", "LT;",   "quot;", "&amp;",
                              "gt;", "tilde;", "x",    ";",   "&AMP;", "circ;"};
    std::mt19937 gerador(18);
    for (int i = 0; i < 2000; ++i) {
        QString texto;
        for (int n = int(gerador() % 12); n > 0; --n)
            texto += pedacos[qsizetype(gerador() % pedacos.size())];
        QString esperado = texto;
        for (qsizetype e = 0; e < tabela.size(); e += 2)
            esperado.replace(tabela[e], tabela[e + 1]);
        EXPECT_EQ(TmXMLLeitura::pfConvertSpecialEntities(texto), esperado) << texto.toStdString();
    }
}

// ---- Typed readers ----

TEST(XmlTipados, ReadXmlNumbersAndDatesWhateverTheRegionalSettings) {
    const auto conferir = [] {
        const QString xml = "<v>12.50</v><n> 42\n</n><m>1,5</m><g>1.234.567</g><e>1.5e3</e>";
        EXPECT_DOUBLE_EQ(TmXMLLeitura::ElementoFloat(xml, {"v"}, -1), 12.5);
        EXPECT_DOUBLE_EQ(TmXMLLeitura::ElementoFloat(xml, {"e"}, -1), 1500);
        EXPECT_DOUBLE_EQ(TmXMLLeitura::ElementoFloat(xml, {"m"}, -1), -1);
        EXPECT_DOUBLE_EQ(TmXMLLeitura::ElementoFloat(xml, {"g"}, -1), -1);
        EXPECT_EQ(TmXMLLeitura::ElementoCurr(xml, {"v"}, {}), Reais("12.5"));
        EXPECT_EQ(TmXMLLeitura::ElementoCurr(xml, {"m"}, Reais("9")), Reais("9"));
        EXPECT_EQ(TmXMLLeitura::ElementoInt(xml, {"n"}, -1), 42);
        EXPECT_EQ(TmXMLLeitura::ElementoInt(xml, {"v"}, -1), -1);
    };
    conferir();
    const ComRegionais comPonto(ComPonto());
    conferir();
}

TEST(XmlTipados, ReadsIsoDatesAndTimesIgnoringFractionsAndZones) {
    struct Caso {
        const char* texto;
        TDateTime esperado;
    };
    const Caso casos[] = {
        {"2023-09-04T10:20:30-03:00", Em(2023, 9, 4, 10, 20, 30)},
        {"2023-09-04T10:20:30.789Z", Em(2023, 9, 4, 10, 20, 30)},
        {"2023-09-04 10:20:30", Em(2023, 9, 4, 10, 20, 30)},
        {"2023-09-04T10:20", Em(2023, 9, 4, 10, 20)},
        {"2023-09-04", Em(2023, 9, 4)},
        {"  2023-09-04\n", Em(2023, 9, 4)},
        // A date with a zone: the zone is no time of day.
        {"2023-09-04-03:00", Em(2023, 9, 4)},
        {"1899-12-30", 0},
        {"2023-02-29", -1},
        {"2023-09-04T25:00:00", -1},
        {"2023-09-04Txx", -1},
        {"04/09/2023", -1},
        {"2023-9-4", -1},
        {"", -1},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TmXMLLeitura::ElementoDt("<d>" + QString(c.texto) + "</d>", {"d"}, -1),
                  c.esperado)
            << c.texto;
}

// ---- Agreement with xml.etree ----

TEST(XmlEtree, AgreesWithPythonOnGeneratedFlatDocuments) {
    QTemporaryDir pasta;
    QProcess python;
    python.start("/usr/bin/python3",
                 {PASTA_XML "/documentos_planos.py", pasta.path(), "300", "20230904"});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();

    const QJsonArray casos =
        QJsonDocument::fromJson(LerBytes(pasta.filePath("esperado.json"))).array();
    ASSERT_EQ(casos.size(), 300);
    for (const QJsonValue& valor : casos) {
        const QJsonObject caso = valor.toObject();
        const TmXMLLeitura leitor(caso["arquivo"].toString());
        const QJsonObject primeiros = caso["primeiros"].toObject();
        for (auto it = primeiros.begin(); it != primeiros.end(); ++it)
            EXPECT_EQ(leitor.ElementoStr({"doc", it.key()}), it.value().toString())
                << leitor.Arquivo().toStdString() << " " << it.key().toStdString();

        const QJsonObject todos = caso["todos"].toObject();
        for (auto it = todos.begin(); it != todos.end(); ++it) {
            TcrvArrayString lidos;
            leitor.Elemento(it.key(), lidos);
            for (QString& lido : lidos)
                lido = TmXMLLeitura::pfConvertSpecialEntities(lido);
            EXPECT_EQ(lidos, it.value().toVariant().toStringList())
                << leitor.Arquivo().toStdString() << " " << it.key().toStdString();
        }

        const QJsonObject atributos = caso["atributos"].toObject();
        for (auto it = atributos.begin(); it != atributos.end(); ++it) {
            const QStringList partes = it.key().split(u'/');
            EXPECT_EQ(leitor.AtributoStr(partes[0], partes[1]), it.value().toString())
                << leitor.Arquivo().toStdString() << " " << it.key().toStdString();
        }
    }
}

// Kinds of text where the plain text search answers otherwise than a parser, by design (named by
// caminhos_nfe.py): CDATA markers kept, numeric character references not decoded, names written
// with a namespace prefix not matched, elements closing themselves not matched ("<N/>") or absent
// ("<N />"), the first tags of a name in the parent's text belonging to another element of that
// name (an earlier branch, or one nested inside), tags written inside comments, carriage returns
// kept (a parser reads CR LF as LF).
TEST(XmlEtree, EveryPathOfRealInvoicesAgreesWithPythonAndTheIndexWithTheTextSearch) {
    const QStringList arquivos =
        QDir(PASTA_XML "/nfe-real").entryList({"*.xml"}, QDir::Files, QDir::Name);
    ASSERT_EQ(arquivos.size(), 19);
    QStringList argumentos = {PASTA_XML "/caminhos_nfe.py"};
    for (const QString& arquivo : arquivos)
        argumentos << QStringLiteral(PASTA_XML "/nfe-real/") + arquivo;
    QProcess python;
    python.start("/usr/bin/python3", argumentos);
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonObject porArquivo = QJsonDocument::fromJson(python.readAllStandardOutput()).object();

    int comparados = 0, diferentesPorDesenho = 0;
    for (auto it = porArquivo.begin(); it != porArquivo.end(); ++it) {
        const TmXMLLeitura leitor(it.key());
        const QString xml = leitor.XML();
        ASSERT_FALSE(xml.isEmpty()) << it.key().toStdString();
        for (const QJsonValue& valor : it.value().toArray()) {
            const QJsonObject caminho = valor.toObject();
            const TcrvArrayString chaves = caminho["caminho"].toVariant().toStringList();
            const std::string onde = it.key().toStdString() + " " + chaves.join(u'/').toStdString();

            // The index answers as the text search, with and without tags, and for the walk over
            // every element of the name.
            for (const bool manterTag : {false, true}) {
                QString indexado, buscado;
                EXPECT_EQ(leitor.Elemento(chaves, indexado, manterTag),
                          TmXMLLeitura::Elemento(xml, chaves, buscado, manterTag))
                    << onde;
                EXPECT_EQ(indexado, buscado) << onde;
            }
            TcrvArrayString todosIndexados, todosBuscados;
            leitor.Elemento(chaves.last(), todosIndexados);
            TmXMLLeitura::Elemento(xml, chaves.last(), todosBuscados);
            EXPECT_EQ(todosIndexados, todosBuscados) << onde;
            EXPECT_EQ(leitor.AtributoStr(chaves.last(), u"Id"),
                      TmXMLLeitura::AtributoStr(xml, chaves.last(), u"Id", {}))
                << onde;

            if (caminho["texto"].isNull())
                continue;
            if (!caminho["tipos"].toArray().isEmpty()) {
                ++diferentesPorDesenho;
                continue;
            }
            EXPECT_EQ(leitor.ElementoStr(chaves), caminho["texto"].toString()) << onde;
            ++comparados;
        }
    }
    // Most paths are compared; the kinds above stay the exception.
    EXPECT_GT(comparados, 2500);
    EXPECT_LT(diferentesPorDesenho, comparados / 10);
}

}  // namespace
