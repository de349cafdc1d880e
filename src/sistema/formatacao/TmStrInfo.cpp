#include "sistema/formatacao/TmStrInfo.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "texto/separacao/TmStrSepara.h"

namespace {

int LarguraEfetiva(const TMedidorTexto& medidor, int pedida) {
    const int tela = medidor.LarguraTela();
    return (pedida <= 0 || pedida > tela) ? tela / 2 : pedida;
}

// Wraps in one pass: each distinct word or blank is measured once, and a line's width is followed
// as the sum of its items' widths. Widths are additive only up to rounding and kerning across an
// item boundary (at most kFolgaPorItem pixels each), so where the sum comes within that slack of
// the limit the line with the item is measured whole and the decision is the whole measurement's,
// exactly as measuring every candidate line would decide. A finished line is measured whole once,
// for MaxLineWidth only where it may be the widest.
class TQuebraPorLargura {
public:
    TQuebraPorLargura(const TMedidorTexto& medidor, int largura)
        : medidor_(medidor), limite_(largura) {}

    void Paragrafo(QStringView paragrafo) {
        QStringList itens;
        TmStr::SplitB(paragrafo, u' ', itens);
        for (const QString& item : itens) {
            if (linha_.isEmpty()) {
                Comecar(item);
            } else if (const std::optional<int> largura = LarguraSeCouber(item)) {
                linha_ += item;
                largura_ = *largura;
            } else {
                Terminar();
                Comecar(item);
            }
        }
        Terminar();
    }

    TStringInfo Resultado() {
        info_.ScreenText = linhas_.join(QStringLiteral("\r\n"));
        info_.LineCount = static_cast<int>(linhas_.size());
        info_.TextHeight = medidor_.TextHeight(u"A") * info_.LineCount;
        return info_;
    }

private:
    void Comecar(const QString& item) {
        linha_ = item;
        largura_ = LarguraItem(item);
        itensSomados_ = 0;
    }

    // A finished line counts for MaxLineWidth only when it may be the widest so far: measured whole
    // unless it just was, or unless even its sum plus the slack stays within the widest.
    void Terminar() {
        const int folga = kFolgaPorItem * (itensSomados_ + 1);
        if (largura_ + folga > info_.MaxLineWidth) {
            const int largura = itensSomados_ == 0 ? largura_ : medidor_.TextWidth(linha_);
            info_.MaxLineWidth = std::max(info_.MaxLineWidth, largura);
        }
        linhas_.append(linha_);
        linha_.clear();
    }

    // The width of the line with the item when that stays within the limit, nothing otherwise.
    // Decided on the sum of the widths where it is clear of the limit by the slack, else on the
    // line measured whole (whose width then replaces the sum).
    std::optional<int> LarguraSeCouber(const QString& item) {
        const int soma = largura_ + LarguraItem(item);
        const int folga = kFolgaPorItem * (itensSomados_ + 2);
        if (soma - folga > limite_)
            return std::nullopt;
        if (soma + folga <= limite_) {
            ++itensSomados_;
            return soma;
        }
        const int medida = medidor_.TextWidth(linha_ + item);
        if (medida > limite_)
            return std::nullopt;
        itensSomados_ = 0;
        return medida;
    }

    int LarguraItem(const QString& item) {
        auto it = larguras_.constFind(item);
        if (it == larguras_.constEnd())
            it = larguras_.insert(item, medidor_.TextWidth(item));
        return *it;
    }

    static constexpr int kFolgaPorItem = 1;

    const TMedidorTexto& medidor_;
    const int limite_;
    QHash<QString, int> larguras_;  // each distinct item's width, measured once
    QString linha_;                 // the line being filled
    int largura_ = 0;               // of linha_: last measured whole, plus the items summed since
    int itensSomados_ = 0;  // items whose widths were summed since linha_ was measured whole
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
