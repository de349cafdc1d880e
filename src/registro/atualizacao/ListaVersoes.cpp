#include "registro/atualizacao/ListaVersoes.h"

#include <QStringList>

#include "base/CodePage.h"

TListaVersoes TListaVersoes::Ler(QByteArrayView bytes) {
    TListaVersoes lista;
    const QString texto = CodePage::DeArquivo(bytes);
    for (QStringView linha : QStringView(texto).split(u'\n')) {
        linha = linha.trimmed();
        const qsizetype igual = linha.indexOf(u'=');
        if (igual <= 0 || linha.startsWith(u'[') || linha.startsWith(u';'))
            continue;
        const QString nome = linha.left(igual).trimmed().toString().toLower();
        if (!lista.valores_.contains(nome))
            lista.valores_.insert(nome, linha.mid(igual + 1).trimmed().toString());
    }
    return lista;
}

QString TListaVersoes::Valor(const QString& nome) const {
    return valores_.value(nome.toLower());
}

QString TListaVersoes::Sha256(const QString& nome) const {
    return Valor(nome + QStringLiteral(".sha256")).toLower();
}
