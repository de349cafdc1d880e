// The XML readers on arbitrary documents, names and positions: no crash, no hang, every answer a
// piece of the document (the Str readers: that piece with entities decoded), and a loaded
// document's indexed search answering exactly as the text search.
//
// Input: three lines (element name, inner element name, attribute name), then the document,
// read as the library reads files.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "base/CodePage.h"
#include "sistema/xml/TmXMLLeitura.h"

namespace {

// The next line of the input, consumed.
QByteArrayView Linha(QByteArrayView& resto) {
    const qsizetype fim = resto.indexOf('\n');
    const QByteArrayView linha = fim < 0 ? resto : resto.first(fim);
    resto = fim < 0 ? QByteArrayView() : resto.sliced(fim + 1);
    return linha;
}

// A found text is a non-empty piece of the document; a failure leaves the empty text.
void ExigirPedaco(const QString& xml, bool achou, const QString& texto) {
    Exigir(achou == !texto.isEmpty());
    Exigir(xml.contains(texto));
}

void VerificarElementos(const QString& xml, const QString& chave, const QString& interna,
                        bool manterTag) {
    QString texto;
    ExigirPedaco(xml, TmXMLLeitura::Elemento(xml, chave, texto, manterTag), texto);

    const TcrvArrayString caminho = {chave, interna};
    const bool achou = TmXMLLeitura::Elemento(xml, caminho, texto, manterTag);
    ExigirPedaco(xml, achou, texto);
    Exigir(TmXMLLeitura::ElementoStr(xml, caminho, u"-", manterTag) ==
           (achou ? TmXMLLeitura::pfConvertSpecialEntities(texto) : QStringLiteral("-")));

    TcrvArrayString todos;
    Exigir(TmXMLLeitura::Elemento(xml, chave, todos, manterTag) == !todos.isEmpty());
    Exigir(todos.size() <= xml.size());
    for (const QString& um : todos)
        ExigirPedaco(xml, true, um);
}

// A reader holding the document finds its tags through an index; it answers as the text search.
void VerificarIndice(const QString& xml, const QString& chave, const QString& interna,
                     const QString& atributo) {
    TmXMLLeitura leitor;
    leitor.setXML(xml);
    for (const bool manterTag : {false, true}) {
        const TcrvArrayString caminho = {chave, interna};
        QString indexado, buscado;
        Exigir(leitor.Elemento(caminho, indexado, manterTag) ==
               TmXMLLeitura::Elemento(xml, caminho, buscado, manterTag));
        Exigir(indexado == buscado);
        TcrvArrayString todosIndexados, todosBuscados;
        leitor.Elemento(interna, todosIndexados, manterTag);
        TmXMLLeitura::Elemento(xml, interna, todosBuscados, manterTag);
        Exigir(todosIndexados == todosBuscados);
    }
    QString indexado, buscado;
    Exigir(leitor.Atributo(chave, atributo, indexado) ==
           TmXMLLeitura::Atributo(xml, chave, atributo, buscado));
    Exigir(indexado == buscado);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArrayView resto(data, static_cast<qsizetype>(size));
    const QString chave = QString::fromUtf8(Linha(resto));
    const QString interna = QString::fromUtf8(Linha(resto));
    const QString atributo = QString::fromUtf8(Linha(resto));
    const QString xml = CodePage::DeArquivo(resto);

    VerificarElementos(xml, chave, interna, false);
    VerificarElementos(xml, chave, interna, true);
    VerificarIndice(xml, chave, interna, atributo);

    // The search from a position: the position only moves forward.
    for (qsizetype pos = size % 7 - 3, volta = 0; volta < 4; ++volta) {
        const qsizetype antes = pos;
        QString texto;
        ExigirPedaco(xml, TmXMLLeitura::Elemento(xml, chave, pos, texto, volta % 2), texto);
        Exigir(pos >= antes || antes < 1);
    }

    QString valor;
    const bool achou = TmXMLLeitura::Atributo(xml, chave, atributo, valor);
    ExigirPedaco(xml, achou, valor);
    Exigir(TmXMLLeitura::AtributoStr(xml, chave, atributo, u"") ==
           TmXMLLeitura::pfConvertSpecialEntities(valor));

    const TcrvArrayString caminho = {chave};
    TmXMLLeitura::ElementoInt(xml, caminho, 0);
    TmXMLLeitura::ElementoFloat(xml, caminho, 0);
    TmXMLLeitura::ElementoCurr(xml, caminho, {});
    TmXMLLeitura::ElementoDt(xml, caminho, 0);
    TmXMLLeitura::AtributoDt(xml, chave, atributo, 0);
    TmXMLLeitura::pfTagValida(xml);
    return 0;
}
