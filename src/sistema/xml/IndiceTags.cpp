#include "sistema/xml/IndiceTags.h"

#include <algorithm>

namespace {

bool Delimita(QChar c) {
    return c == u'<' || c == u'>' || c == u'/' || c == u' ';
}

// The run of characters from i up to the first delimiter (or the end).
QStringView Nome(QStringView texto, qsizetype i) {
    qsizetype fim = i;
    while (fim < texto.size() && !Delimita(texto[fim]))
        ++fim;
    return texto.sliced(i, fim - i);
}

}  // namespace

std::size_t TIndiceTags::HashNome::operator()(QStringView nome) const noexcept {
    std::size_t h = 14695981039346656037ull;
    for (const QChar c : nome)
        h = (h ^ c.unicode()) * 1099511628211ull;
    return h;
}

TIndiceTags::TIndiceTags(QStringView documento) : documento_(documento) {
    for (qsizetype i = documento.indexOf(u'<'); i >= 0; i = documento.indexOf(u'<', i + 1)) {
        const bool fechamento = i + 1 < documento.size() && documento[i + 1] == u'/';
        const QStringView nome = Nome(documento, i + (fechamento ? 2 : 1));
        const qsizetype depois = (nome.data() - documento.data()) + nome.size();
        if (nome.isEmpty() || depois >= documento.size())
            continue;
        const QChar termina = documento[depois];
        if (fechamento && termina == u'>')
            tags_[nome].fechamentos.append(i);
        else if (!fechamento && (termina == u'>' || termina == u' '))
            tags_[nome].aberturas.append(i);
    }
}

bool TIndiceTags::Indexavel(QStringView nome) {
    return !nome.isEmpty() && std::none_of(nome.begin(), nome.end(), Delimita);
}

qsizetype TIndiceTags::Primeira(const QList<qsizetype>& lista, QStringView trecho, qsizetype pos,
                                qsizetype tamanho) const {
    const qsizetype base = trecho.data() - documento_.data();
    const auto it = std::lower_bound(lista.begin(), lista.end(), base + pos);
    if (it == lista.end() || *it + tamanho > base + trecho.size())
        return -1;
    return *it - base;
}

qsizetype TIndiceTags::Abertura(QStringView trecho, QStringView nome, qsizetype pos,
                                bool& comAtributos) const {
    const auto achado = tags_.find(nome);
    if (achado == tags_.end())
        return -1;
    // "<" N and the character after it.
    const qsizetype i = Primeira(achado->second.aberturas, trecho, pos, nome.size() + 2);
    if (i >= 0)
        comAtributos = trecho[i + 1 + nome.size()] == u' ';
    return i;
}

qsizetype TIndiceTags::AberturaComAtributos(QStringView nome) const {
    const auto achado = tags_.find(nome);
    if (achado == tags_.end())
        return -1;
    for (const qsizetype i : achado->second.aberturas)
        if (documento_[i + 1 + nome.size()] == u' ')
            return i;
    return -1;
}

qsizetype TIndiceTags::Fechamento(QStringView trecho, QStringView nome, qsizetype pos) const {
    const auto achado = tags_.find(nome);
    if (achado == tags_.end())
        return -1;
    return Primeira(achado->second.fechamentos, trecho, pos, nome.size() + 3);  // "</" N ">"
}
