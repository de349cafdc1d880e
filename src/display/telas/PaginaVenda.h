#pragma once
// The sale page (TabVenda): the background picture ImgFundoVenda filling the page, and above it
// the item grid Grid with the total panel pnlTotal (caption lbTituloTotal, value lbTotalVenda)
// along the bottom. Grid and total panel are shown exactly while the item table has rows; the
// window follows VisibilidadeMudou with its status bar, so that an empty table leaves only the
// background picture: the idle screen.
//
// The grid is built with the first rows: the idle screen draws no text, so that a display that
// has shown no sale yet has not started the font system for it.
//
// The page shows the sale of the screen state (EstadoTela.h); the window decides when it is the
// active page.

#include <QWidget>

#include "display/telas/TabelaItens.h"

class QLabel;
class TGradeItens;
class TImagemFundo;
class TApresentacao;

class TPaginaVenda : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaVenda(QWidget* pai = nullptr);

    // The sale's rows of the screen state: all of them replaced, or only the ones beyond the
    // table's appended (`acrescidas`).
    void MostrarLinhas(const QVector<TLinhaItem>& linhas, bool acrescidas);
    // The sale total's text, as the screen state has it.
    void MostrarTotal(const QString& total);
    // The idle slideshow over the background (TApresentacao::Configurar); shown only while no
    // sale is on screen.
    void ConfigurarApresentacao(const QString& pasta, int intervaloS);
    // Legible mode and high contrast of the item grid (TGradeItens::DefinirLegivel).
    void DefinirLegivel(bool legivel, bool altoContraste);

    TImagemFundo& ImgFundoVenda() const { return *ImgFundoVenda_; }
    const TTabelaItens& Tb() const { return Tb_; }
    // Whether grid, total panel and status bar are shown: the table has rows.
    bool VendaVisivel() const { return Tb_.rowCount() > 0; }

signals:
    // After every change of the item table: whether grid, total panel and status bar show.
    void VisibilidadeMudou(bool visivel);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void DSDataChange();
    // DSDataChange after every change of the item table, connected after the grid's own slots.
    void SeguirTabela();
    void Dispor();
    // The grid, built on its first use.
    TGradeItens& Grade();

    TTabelaItens Tb_;
    TImagemFundo* ImgFundoVenda_;
    TGradeItens* Grid_ = nullptr;
    bool legivel_ = false;
    bool altoContraste_ = false;
    TApresentacao* Apresentacao_;
    QWidget* pnlTotal_;
    QLabel* lbTituloTotal_;
    QLabel* lbTotalVenda_;
};
