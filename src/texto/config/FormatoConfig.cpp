#include "texto/config/FormatoConfig.h"

#include <QStringDecoder>
#include <algorithm>

#include "base/CodePage.h"
#include "base/internal/Texto.h"

namespace {

QString Decodificar(QByteArrayView bytes, TCodificacao c) {
    if (bytes.startsWith(MarcaDaCodificacao(c)))
        bytes = bytes.sliced(MarcaDaCodificacao(c).size());
    if (c == TCodificacao::Ansi)
        return CodePage::DeAnsi(bytes);
    // The mark was taken off already: a second one is text.
    QStringDecoder decodificador(ConversorDe(c), QStringConverter::Flag::ConvertInitialBom);
    return decodificador.decode(bytes);
}

bool QuebraDeLinha(QChar c) {
    return c == u'\r' || c == u'\n';
}

QList<QStringView> CortarLinhas(QStringView texto) {
    QList<QStringView> linhas;
    const char16_t* c = texto.utf16();
    const qsizetype n = texto.size();
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (c[i] > u'\r' || !QuebraDeLinha(c[i]))
            continue;
        linhas.append(texto.sliced(inicio, i - inicio));
        if (c[i] == u'\r' && i + 1 < n && c[i + 1] == u'\n')
            ++i;
        inicio = i + 1;
    }
    if (inicio < n)
        linhas.append(texto.sliced(inicio));
    return linhas;
}

bool ECabecalho(QStringView linha) {
    return linha.startsWith(u'[');
}

// The whole line is "[" + secao + "]", ignoring case.
bool ECabecalhoDe(QStringView linha, QStringView secao) {
    return linha.size() == secao.size() + 2 && ECabecalho(linha) && linha.endsWith(u']') &&
           linha.mid(1, secao.size()).compare(secao, Qt::CaseInsensitive) == 0;
}

// The line's key name is item, ignoring case; item holds no "=".
bool EChave(QStringView linha, QStringView item) {
    return linha.size() > item.size() && linha[item.size()] == u'=' &&
           linha.left(item.size()).compare(item, Qt::CaseInsensitive) == 0;
}

template <typename Linhas>
QList<qsizetype> PosicoesDosCabecalhos(const Linhas& linhas) {
    QList<qsizetype> posicoes;
    for (qsizetype i = 0; i < linhas.size(); ++i)
        if (ECabecalho(linhas[i]))
            posicoes.append(i);
    posicoes.append(linhas.size());
    return posicoes;
}

}  // namespace

namespace FormatoConfig {

bool EmBranco(QStringView linha) {
    return TextoInterno::Aparar(linha).isEmpty();
}

QStringView NomeChave(QStringView linha) {
    const qsizetype igual = linha.indexOf(u'=');
    return igual < 0 ? QStringView() : linha.left(igual);
}

QStringView ValorChave(QStringView linha) {
    const qsizetype igual = linha.indexOf(u'=');
    return igual < 0 ? QStringView() : linha.sliced(igual + 1);
}

std::optional<QString> SecaoListada(QStringView linha) {
    if (!TextoInterno::Aparar(linha).startsWith(u'['))
        return std::nullopt;
    QString nome = linha.toString();
    nome.remove(u'[').remove(u']');
    return TextoInterno::Aparar(nome).toString();
}

}  // namespace FormatoConfig

TLinhasCarregadas::TLinhasCarregadas(QByteArray b, std::optional<TCodificacao> p)
    : bytes(std::move(b)),
      pedida(p),
      codificacao(p ? *p : CodificacaoPelaMarca(bytes)),
      texto(Decodificar(bytes, codificacao)),
      linhas(CortarLinhas(texto)),
      cabecalhos(PosicoesDosCabecalhos(linhas)) {}

QStringList TLinhasConfig::Lista() const {
    if (!carga_)
        return lista_;
    QStringList copia;
    copia.reserve(carga_->linhas.size());
    for (QStringView linha : carga_->linhas)
        copia.append(linha.toString());
    return copia;
}

QStringList& TLinhasConfig::Editar() {
    if (carga_) {
        lista_ = Lista();
        carga_.reset();
    }
    return lista_;
}

QByteArray TLinhasConfig::Codificar(TCodificacao codificacao) const {
    QString texto;
    qsizetype tamanho = 0;
    for (qsizetype i = 0; i < Total(); ++i)
        tamanho += Linha(i).size() + 2;
    texto.reserve(tamanho);
    for (qsizetype i = 0; i < Total(); ++i) {
        for (QChar c : Linha(i))
            texto += QuebraDeLinha(c) ? QChar(u' ') : c;
        texto += QLatin1String("\r\n");
    }
    return CodificarTexto(texto, codificacao);
}

void TLinhasConfig::RemoverMarcaSolta() {
    static const QString marcaComoAnsi = QStringLiteral("\u00EF\u00BB\u00BF");
    if (Total() > 0 && Linha(0).size() > 3 && Linha(0).startsWith(marcaComoAnsi))
        Editar()[0].remove(0, 3);
}

QList<qsizetype> TLinhasConfig::Cabecalhos() const {
    return carga_ ? carga_->cabecalhos : PosicoesDosCabecalhos(lista_);
}

qsizetype TLinhasConfig::FimDoBloco(qsizetype h) const {
    const QList<qsizetype> cabecalhos = Cabecalhos();
    return *std::upper_bound(cabecalhos.cbegin(), cabecalhos.cend(), h);
}

qsizetype TLinhasConfig::IndiceSecao(QStringView secao) const {
    for (qsizetype h : Cabecalhos())
        if (h < Total() && ECabecalhoDe(Linha(h), secao))
            return h;
    return -1;
}

qsizetype TLinhasConfig::IndiceChave(QStringView secao, QStringView item) const {
    if (item.contains(u'='))
        return -1;  // no key name holds one
    const QList<qsizetype> c = Cabecalhos();
    for (qsizetype j = 0; j + 1 < c.size(); ++j) {
        if (!ECabecalhoDe(Linha(c[j]), secao))
            continue;
        // The block and the next header: a header line holding "=" is a key line of the
        // section above it.
        for (qsizetype i = c[j] + 1; i <= c[j + 1] && i < Total(); ++i)
            if (EChave(Linha(i), item))
                return i;
    }
    return -1;
}

qsizetype TLinhasConfig::PosicaoInsercao(QStringView secao) {
    const qsizetype h = IndiceSecao(secao);
    if (h < 0)
        return -1;
    for (qsizetype b = h + 1; b < Total(); ++b) {
        if (FormatoConfig::EmBranco(Linha(b)))
            return b;
        if (ECabecalho(Linha(b))) {
            Inserir(b, QString());
            return b;
        }
    }
    return Total();
}
