#pragma once
// The customer's screen as the browser page receives it: one JSON object (UTF-8) per change of
// the screen state, with a version number that grows by one with every message. The page decides
// nothing: rows say their kind and colour, the payment rows their titles, texts and colours, the
// change row whether it is "Troco" or "Falta", every amount is already a text in the screens'
// number format, and the PIX code comes as the modules of its QR symbol.
//
// The object: "versao"; "pagina" ("venda", "pagamento", "info" or "imagem"); "colunas" (the sale
// grid's titles, alignments and colours); "venda" with "total", the row count "n" and the rows
// from "de" on ("linhas": the page keeps its first "de" rows and replaces the rest, so that a list
// sent again whole costs only its new rows); "pagamento" ("linhas", ten of them, each with
// "titulo", "valor", "aberta", "corTitulo", "corValor", "fundo"); "info" ("texto", "valor");
// "pix" (null, or "legenda", "valor", "lado", "modulos": a text of "0" and "1" row by row);
// "imagem" and "fundo" (null, or the address of the picture by its content hash: "/imagem/<hash>";
// a null "fundo" is the built-in idle picture). Colours are "#RRGGBB", or null for the page's own
// text colour.

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

#include "display/estado/EstadoTela.h"

// A copy of the screen state, taken on the window's thread and read on another: its lists, texts
// and pictures are shared until written, so the copy costs a few reference counts.
struct TQuadroTela {
    EPaginaTela Pagina = EPaginaTela::Venda;
    QVector<TLinhaItem> Linhas;
    QString TotalVenda;
    TPagamentoTela Pagamento;
    Protocolo::TInfo Info;
    std::optional<Protocolo::TQrPix> Pix;
    TImagemTela Imagem;
    TImagemTela Fundo;

    static TQuadroTela De(const TEstadoTela& estado);
};

// The message of a state, with its rows from `primeiraLinha` on (0: all of them).
QByteArray SerializarTela(const TQuadroTela& quadro, quint64 versao, qsizetype primeiraLinha);

// The index of the first row where the lists differ; when one begins the other, the shorter one's
// size.
qsizetype PrimeiraLinhaDiferente(const QVector<TLinhaItem>& antes,
                                 const QVector<TLinhaItem>& depois);

// The address of a picture, "/imagem/<hash>".
QString EnderecoImagem(const TImagemTela& imagem);
