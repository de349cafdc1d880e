#include "sistema/formatacao/TmStrInfo.h"

#include <QStringList>
#include <algorithm>

#include "texto/separacao/TmStrSepara.h"

namespace {

int LarguraEfetiva(const TMedidorTexto& medidor, int pedida) {
    const int tela = medidor.LarguraTela();
    return (pedida <= 0 || pedida > tela) ? tela / 2 : pedida;
}

class TQuebraPorLargura {
public:
    TQuebraPorLargura(const TMedidorTexto& medidor, int largura)
        : medidor_(medidor), largura_(largura) {}

    void Paragrafo(QStringView paragrafo) {
        QStringList itens;
        TmStr::SplitB(paragrafo, u' ', itens);
        QString linha;
        for (const QString& item : itens) {
            const QString comItem = linha + item;
            if (!linha.isEmpty() && medidor_.TextWidth(comItem) > largura_) {
                Terminar(linha);
                linha = item;
            } else {
                linha = comItem;
            }
        }
        Terminar(linha);
    }

    TStringInfo Resultado() {
        info_.ScreenText = linhas_.join(QStringLiteral("\r\n"));
        info_.LineCount = static_cast<int>(linhas_.size());
        info_.TextHeight = medidor_.TextHeight(u"A") * info_.LineCount;
        return info_;
    }

private:
    void Terminar(const QString& linha) {
        info_.MaxLineWidth = std::max(info_.MaxLineWidth, medidor_.TextWidth(linha));
        linhas_.append(linha);
    }

    const TMedidorTexto& medidor_;
    const int largura_;
    QStringList linhas_;
    TStringInfo info_;
};

}  // namespace

TStringInfo TmStr::GetStringInfo(QStringView asText, const TMedidorTexto& aoCanvas,
                                 int aiMaxLineWidth) {
    TQuebraPorLargura quebra(aoCanvas, LarguraEfetiva(aoCanvas, aiMaxLineWidth));
    const QString texto = asText.toString().remove(u'\n');
    for (const QStringView paragrafo : QStringView(texto).split(u'\r'))
        quebra.Paragrafo(paragrafo);
    return quebra.Resultado();
}
