#include "possim/VendaDemonstracao.h"

namespace {

constexpr int CamposRegistro = 11;

struct Item {
    QString nr, barras, nome, qtd, tipo, unit, total;
    QString cancelado = {}, desconto = QStringLiteral("0"), acrescimo = QStringLiteral("0");
};

QString Registro(QStringList campos) {
    while (campos.size() < CamposRegistro) {
        campos.append(QString());
    }
    return campos.join(u'|');
}

// Command 1: the whole item list and its total record.
QString Lista(const QList<Item>& itens, const QString& total) {
    QStringList registros;
    for (const Item& i : itens) {
        registros.append(Registro({i.nr, i.barras, i.nome, i.qtd, i.tipo, i.unit, i.total,
                                   i.cancelado, i.desconto, i.acrescimo}));
    }
    registros.append(Registro({QStringLiteral("TOTAL"), total}));
    return QStringLiteral("1:") + registros.join(u'&');
}

// Command 4: up to five payment means (title, value), then change or missing amount, total,
// discounts and surcharges.
QString Meios(const QStringList& meios, const QString& falta, const QString& total,
              const QString& descontos, const QString& acrescimos) {
    QStringList campos = meios;
    while (campos.size() < 10) {
        campos.append(QString());
    }
    campos << falta << total << descontos << acrescimos;
    return QStringLiteral("4:") + campos.join(u'|');
}

}  // namespace

QStringList VendaDemonstracao() {
    Item arroz{"1", "7891000100103", "ARROZ TIPO 1 5KG", "1", "UN", "21,90", "21,90"};
    Item feijao{"2", "7896006711155", "FEIJAO CARIOCA 1KG", "2", "UN", "8,49", "16,98"};
    Item acucar{"3", "7891910000197", "ACUCAR REFINADO 1KG", "3", "UN", "4,79", "14,37"};
    const Item refrigerante{"4",    "7894900011517", "REFRIGERANTE COLA 2L", "1", "UN",
                            "9,99", "9,99"};
    const Item banana{"5", "2000512003574", "BANANA PRATA KG", "0,512", "KG", "6,98", "3,57"};

    QStringList linhas{QStringLiteral("5:")};
    linhas << Lista({arroz}, "21,90") << Lista({arroz, feijao}, "38,88")
           << Lista({arroz, feijao, acucar}, "53,25");

    linhas << QStringLiteral("8:2|FEIJAO CARIOCA 1KG|16,98|36,27");
    feijao.cancelado = QStringLiteral("C");
    linhas << Lista({arroz, feijao, acucar}, "36,27");

    linhas << QStringLiteral("9:1,00|35,27") << QStringLiteral("101:0,50|35,77");
    acucar.desconto = QStringLiteral("1,00");
    arroz.acrescimo = QStringLiteral("0,50");
    linhas << Lista({arroz, feijao, acucar, refrigerante}, "45,76")
           << Lista({arroz, feijao, acucar, refrigerante, banana}, "49,33");

    linhas << QStringLiteral("3:49,33|1,00|0,50|0")
           << Meios({"Cartão Débito", "20,00"}, "29,33", "49,33", "1,00", "0,50")
           << Meios({"Cartão Débito", "20,00", "Dinheiro", "50,00"}, "-20,67", "49,33", "1,00",
                    "0,50");

    linhas << QStringLiteral("6:Obrigado pela preferência!|Volte sempre") << QStringLiteral("5:");
    return linhas;
}
