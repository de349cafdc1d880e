// A sale as a POS program makes one with the Orvane library: the settings file says where the
// customer display listens and who the customer is, the customer's CPF is checked, the amounts
// are worked out exactly (each item rounded to the cent) and formatted, the sale is written to the
// log and sent to the display.
//
//   pdv-exemplo [settings file]     (default: pdv-exemplo.ini in the current folder)
//
// Exits with 1 when the CPF is not valid or the display cannot be reached, after logging why.
#include <QCoreApplication>
#include <QTcpSocket>
#include <QThread>
#include <cstdio>
#include <vector>

#include "base/Currency.h"
#include "base/mConst.h"
#include "registro/log/TGravaLogs.h"
#include "sistema/arredondamento/TmConvArredonda.h"
#include "sistema/documentos/TmStrDocumentos.h"
#include "texto/config/TConfigStatic.h"
#include "texto/conversao/TmConv.h"
#include "texto/conversao/TmStrNumeros.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

struct Item {
    QString barras;
    QString nome;
    Currency quantidade;
    QString unidade;
    Currency unitario;
};

QString Valor(Currency valor) {
    return TmStr::Formata(valor, u"0.00", false);
}

// One command line of the display's protocol: the command's code as one byte, a blank, the
// fields split by "|". The display takes 7-bit text, so accents go.
QByteArray Linha(char codigo, const QStringList& campos) {
    return QByteArray(1, codigo) + ' ' + TmStr::RemoveAcentos(campos.join(u'|'), false).toLatin1() +
           '\n';
}

// The list command (1): a record of eleven fields per item, then the total's record.
QByteArray Lista(const std::vector<Item>& itens, Currency& total) {
    QStringList registros;
    total = Currency();
    for (std::size_t i = 0; i < itens.size(); ++i) {
        const Item& item = itens[i];
        const Currency totalItem = TmConv::ArredondaSimples(item.quantidade * item.unitario);
        total += totalItem;
        registros << QStringList{QString::number(i + 1),
                                 item.barras,
                                 item.nome,
                                 TmStr::Formata(item.quantidade, u"0.000", false),
                                 item.unidade,
                                 Valor(item.unitario),
                                 Valor(totalItem),
                                 QString(),
                                 QStringLiteral("0"),
                                 QStringLiteral("0"),
                                 QString()}
                         .join(u'|');
    }
    QStringList registroTotal{QStringLiteral("TOTAL"), Valor(total)};
    while (registroTotal.size() < 11)
        registroTotal << QString();
    registros << registroTotal.join(u'|');
    return Linha(1, {registros.join(u'&')});
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    FormatSettings() = TFormatSettings::Brasileiro();
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());

    const QString config =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pdv-exemplo.ini");
    const QString endereco = TConfigStatic::Ler("Display", "Endereco", "127.0.0.1", config);
    const int porta = TConfigStatic::Ler("Display", "Porta", 22334, config);
    const QString cpf = TConfigStatic::Ler("Cliente", "CPF", "", config);
    const QString pastaLog = TConfigStatic::Ler("Log", "Pasta", ".", config) + u'/';
    const auto registrar = [&](const QString& mensagem) {
        TGravaLogs::Execute(nullptr, QStringLiteral("pdv-exemplo.log"), mensagem, pastaLog, 1000);
        std::printf("%s\n", qPrintable(mensagem));
    };

    if (!TmStr::IsCPFValido(cpf)) {
        registrar(QStringLiteral("CPF inválido: ") + cpf);
        return 1;
    }
    const std::vector<Item> itens{
        {"7891000100103", "ARROZ TIPO 1 5KG", TmConv::Str2Curr("1"), "UN",
         TmConv::Str2Curr("21,90")},
        {"7896006711155", "FEIJÃO CARIOCA 1KG", TmConv::Str2Curr("2"), "UN",
         TmConv::Str2Curr("8,49")},
        {"2000512003574", "BANANA PRATA KG", TmConv::Str2Curr("0,512"), "KG",
         TmConv::Str2Curr("6,98")},
    };
    Currency total;
    const QByteArray lista = Lista(itens, total);
    const Currency pago = Currency::FromInt(100);
    const QByteArray comandos[] = {
        Linha(5, {}),
        lista,
        Linha(3, {Valor(total), Valor({}), Valor({}), Valor({})}),
        Linha(4, {QStringLiteral("Dinheiro"),
                  Valor(pago),
                  {},
                  {},
                  {},
                  {},
                  {},
                  {},
                  {},
                  {},
                  Valor(total - pago),
                  Valor(total),
                  Valor({}),
                  Valor({})}),
        Linha(6, {QStringLiteral("Obrigado pela preferência!"), QStringLiteral("Volte sempre")}),
    };

    QTcpSocket display;
    display.connectToHost(endereco, static_cast<quint16>(porta));
    if (!display.waitForConnected(5000)) {
        registrar(QStringLiteral("Display em %1:%2 fora do ar: %3")
                      .arg(endereco)
                      .arg(porta)
                      .arg(display.errorString()));
        return 1;
    }
    for (const QByteArray& comando : comandos) {
        display.write(comando);
        display.waitForBytesWritten(5000);
        QThread::msleep(300);  // the display runs only the last line of each 100 ms
    }
    display.disconnectFromHost();
    registrar(
        QStringLiteral("Venda de %1 itens para o CPF %2: total R$ %3, pago R$ %4, troco R$ %5")
            .arg(itens.size())
            .arg(TmStr::FormataCPFCNPJ(cpf))
            .arg(Valor(total), Valor(pago), Valor(pago - total)));
    return 0;
}
