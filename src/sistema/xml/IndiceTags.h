#pragma once
// The tags of one document found in a single pass, so that a reader asking many names of the same
// document (twenty fields of an invoice, each through a key path) never scans the text again: each
// question is a binary search among the positions of that name's tags.
//
// It answers exactly what the text search answers. The opening tag of a name N is "<N" followed by
// ">" or a blank, the closing tag "</N>", each wherever the text holds it (inside comments and
// CDATA too, as the text search finds them), and a search in a part of the document finds only a
// tag lying wholly inside that part. Names holding "<", ">", "/" or a blank, and the empty name,
// cannot be told apart from the text around them in one pass: Indexavel says no, and such names
// are sought in the text.
//
// The index keeps views of the document: the document must outlive it, unchanged.

#include <QList>
#include <QStringView>
#include <unordered_map>

#include "sistema/ExportacaoSistema.h"

class ORVANE_SISTEMA_EXPORT TIndiceTags {
public:
    explicit TIndiceTags(QStringView documento);

    static bool Indexavel(QStringView nome);

    // In trecho (a part of the document), from its 0-based position pos: where the first opening
    // tag of nome starts, relative to trecho, and whether it has attributes ("<N "); -1 when none.
    qsizetype Abertura(QStringView trecho, QStringView nome, qsizetype pos,
                       bool& comAtributos) const;
    // The first opening tag of nome with attributes ("<N ") in the whole document; -1 when none.
    qsizetype AberturaComAtributos(QStringView nome) const;
    // From pos in trecho, the first closing tag of nome, as Abertura.
    qsizetype Fechamento(QStringView trecho, QStringView nome, qsizetype pos) const;

private:
    struct Posicoes {
        QList<qsizetype> aberturas;    // of the "<" of "<N>" and "<N "
        QList<qsizetype> fechamentos;  // of the "<" of "</N>"
    };

    // The first position of a list at or after the part's pos whose tag of `tamanho` characters
    // ends within the part, relative to the part; -1 when none.
    qsizetype Primeira(const QList<qsizetype>& lista, QStringView trecho, qsizetype pos,
                       qsizetype tamanho) const;

    // Tag names are short and many: a plain FNV-1a hash of their characters.
    struct HashNome {
        std::size_t operator()(QStringView nome) const noexcept;
    };

    QStringView documento_;
    std::unordered_map<QStringView, Posicoes, HashNome> tags_;
};
