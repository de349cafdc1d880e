// Built codes against the npm library pix-utils (parse and CRC), installed on first use into a
// folder of the build tree and run under node. Skipped only when npm or node is missing.
#include <gtest/gtest.h>
#include <sys/file.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include "sistema/pix/BrCode.h"

namespace {

const QString kPacote = QStringLiteral("pix-utils@2.8.2");
const QString kInstalado = QStringLiteral(PASTA_NPM "/node_modules/pix-utils/package.json");

// Installs the library once; test programs running at the same time wait for each other.
QString Instalar() {
    QDir().mkpath(QStringLiteral(PASTA_NPM));
    QFile trava(QStringLiteral(PASTA_NPM "/.instalando"));
    if (!trava.open(QIODevice::ReadWrite) || flock(trava.handle(), LOCK_EX) != 0)
        return QStringLiteral("cannot lock ") + trava.fileName();
    if (QFile::exists(kInstalado))
        return {};
    QProcess npm;
    npm.start(QStandardPaths::findExecutable(QStringLiteral("npm")),
              {QStringLiteral("install"), QStringLiteral("--prefix"), QStringLiteral(PASTA_NPM),
               QStringLiteral("--no-audit"), QStringLiteral("--no-fund"), kPacote});
    if (!npm.waitForFinished(600000) || npm.exitCode() != 0 || !QFile::exists(kInstalado))
        return QStringLiteral("npm install failed: ") +
               QString::fromUtf8(npm.readAllStandardError());
    return {};
}

// pix-utils' reading of each code, one JSON object per code.
QList<QJsonObject> LerComPixUtils(const QStringList& codigos) {
    QProcess node;
    node.setProcessEnvironment([] {
        auto ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("NODE_PATH"), QStringLiteral(PASTA_NPM "/node_modules"));
        return ambiente;
    }());
    node.start(QStandardPaths::findExecutable(QStringLiteral("node")),
               {QStringLiteral("-e"),
                QStringLiteral("const p = require('pix-utils');"
                               "const linhas = require('fs').readFileSync(0, 'utf8').split('\\n');"
                               "for (const l of linhas.filter(Boolean)) {"
                               "  const r = p.parsePix(l);"
                               "  console.log(JSON.stringify({erro: p.hasError(r), ...r}));"
                               "}")});
    node.write(codigos.join(u'\n').toLatin1() + '\n');
    node.closeWriteChannel();
    EXPECT_TRUE(node.waitForFinished(60000));
    EXPECT_EQ(node.exitCode(), 0) << node.readAllStandardError().toStdString();
    QList<QJsonObject> lidos;
    for (const QByteArray& linha : node.readAllStandardOutput().split('\n'))
        if (!linha.isEmpty())
            lidos.append(QJsonDocument::fromJson(linha).object());
    return lidos;
}

TEST(BrCodeNpm, BuiltCodesParseInPixUtilsAndAWrongCrcDoesNot) {
    if (QStandardPaths::findExecutable(QStringLiteral("npm")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        GTEST_SKIP() << "npm or node is missing (scripts/install-deps.sh installs them)";
    ASSERT_EQ(Instalar(), QString());

    const QList<BrCode::TCobranca> cobrancas = {
        {u"123e4567-e12b-12d1-a456-426655440000"_qs, Currency(), u"Fulano de Tal"_qs,
         u"BRASILIA"_qs, QString()},
        {u"+5511987654321"_qs, Currency::FromRaw(5000), u"Mercado Irmãos Conceição"_qs,
         u"Santo André"_qs, u"PDV3VENDA000123"_qs},
        {u"pagamentos@exemplo.com.br"_qs, Currency::FromInt(9999999999LL), QString(30, u'N'),
         u"Uberlândia"_qs, QString(25, u'7')},
        {u"11222333000181"_qs, Currency::FromInt(1) + Currency::FromRaw(100), u"Ótica Ímpar"_qs,
         u"Ji-Paraná"_qs, u"a1"_qs},
    };
    QStringList codigos;
    for (const BrCode::TCobranca& cobranca : cobrancas) {
        QString erro;
        codigos.append(BrCode::Montar(cobranca, erro).value_or(erro));
    }
    QString errado = codigos[1];
    errado[errado.size() - 1] = errado.back() == u'0' ? u'1' : u'0';
    const QList<QJsonObject> lidos = LerComPixUtils(codigos + QStringList{errado});
    ASSERT_EQ(lidos.size(), cobrancas.size() + 1);

    for (qsizetype i = 0; i < cobrancas.size(); ++i) {
        const QJsonObject& lido = lidos[i];
        SCOPED_TRACE(codigos[i].toStdString());
        EXPECT_FALSE(lido[u"erro"_qs].toBool()) << lido[u"message"_qs].toString().toStdString();
        EXPECT_EQ(lido[u"type"_qs].toString(), u"STATIC"_qs);
        EXPECT_EQ(lido[u"pixKey"_qs].toString(), cobrancas[i].Chave);
        EXPECT_DOUBLE_EQ(lido[u"transactionAmount"_qs].toDouble(), cobrancas[i].Valor.ToDouble());
        const QString txid = cobrancas[i].Txid.isEmpty() ? u"***"_qs : cobrancas[i].Txid;
        EXPECT_EQ(lido[u"txid"_qs].toString(), txid);
        QString erro;
        EXPECT_TRUE(BrCode::Ler(codigos[i], erro)) << erro.toStdString();
    }
    EXPECT_EQ(lidos[1][u"merchantName"_qs].toString(), u"Mercado Irmaos Conceicao"_qs);
    EXPECT_EQ(lidos[1][u"merchantCity"_qs].toString(), u"Santo Andre"_qs);
    EXPECT_TRUE(lidos.back()[u"erro"_qs].toBool());
    QString erro;
    EXPECT_FALSE(BrCode::Ler(errado, erro));
}

}  // namespace
