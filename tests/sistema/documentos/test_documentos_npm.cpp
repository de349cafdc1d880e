// Alphanumeric CNPJs, PIS numbers, access keys and state registrations against the npm
// libraries (cpf-cnpj-validator, @brazilian-utils/brazilian-utils and the state registration
// validators br-validations, inscricaoestadual and validations-br), installed on first use
// into a folder of the build tree and run under node. Skipped only when npm or node is missing.
#include <gtest/gtest.h>
#include <sys/file.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "CandidatosIE.h"
#include "Diferencial.h"
#include "base/Relogio.h"
#include "sistema/documentos/TmStrChaveAcesso.h"
#include "sistema/documentos/TmStrDocumentos.h"

namespace {

// The libraries and the versions compared against.
const QStringList kPacotes = {
    QStringLiteral("cpf-cnpj-validator@2.1.2"),
    QStringLiteral("@brazilian-utils/brazilian-utils@2.4.0"),
    QStringLiteral("br-validations@0.3.1"),
    QStringLiteral("inscricaoestadual@0.0.5"),
    QStringLiteral("validations-br@1.7.0"),
};

QString Nome(const QString& pacote) {
    return pacote.left(pacote.lastIndexOf(u'@'));
}

bool Instalados() {
    for (const QString& pacote : kPacotes)
        if (!QFile::exists(QStringLiteral(PASTA_NPM "/node_modules/") + Nome(pacote) +
                           QStringLiteral("/package.json")))
            return false;
    return true;
}

// Installs the libraries once; test programs running at the same time wait for each other.
QString Instalar() {
    QDir().mkpath(QStringLiteral(PASTA_NPM));
    QFile trava(QStringLiteral(PASTA_NPM "/.instalando"));
    if (!trava.open(QIODevice::ReadWrite) || flock(trava.handle(), LOCK_EX) != 0)
        return QStringLiteral("cannot lock ") + trava.fileName();
    if (Instalados())
        return {};
    QProcess npm;
    npm.start(QStandardPaths::findExecutable(QStringLiteral("npm")),
              QStringList{QStringLiteral("install"), QStringLiteral("--prefix"),
                          QStringLiteral(PASTA_NPM), QStringLiteral("--no-audit"),
                          QStringLiteral("--no-fund")} +
                  kPacotes);
    if (!npm.waitForFinished(600000) || npm.exitCode() != 0 || !Instalados())
        return QStringLiteral("npm install failed: ") +
               QString::fromUtf8(npm.readAllStandardError());
    return {};
}

class Npm : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("npm")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
            ausente_ = true;
        else
            erroInstalacao_ = Instalar();
        // node finds the libraries of the build tree.
        qputenv("NODE_PATH", PASTA_NPM "/node_modules");
    }
    void SetUp() override {
        if (ausente_)
            GTEST_SKIP() << "npm or node is missing (scripts/install-deps.sh installs them)";
        ASSERT_TRUE(erroInstalacao_.isEmpty()) << erroInstalacao_.toStdString();
    }

    void Comparar() {
        diferencial_.Comparar(QStandardPaths::findExecutable(QStringLiteral("node")),
                              {QStringLiteral(PASTA_TESTE "/npm_documentos.cjs")});
    }
    // Lines the generator answers.
    QStringList Gerar(int quantidade) {
        QProcess node;
        node.start(QStandardPaths::findExecutable(QStringLiteral("node")),
                   {QStringLiteral(PASTA_TESTE "/npm_documentos.cjs")});
        node.write("gerar " + QByteArray::number(quantidade) + '\n');
        node.closeWriteChannel();
        node.waitForFinished(120000);
        return QString::fromUtf8(node.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    Diferencial diferencial_;
    Gerador gerador_{20260702};
    static inline bool ausente_ = false;
    static inline QString erroInstalacao_;
};

TEST_F(Npm, AlphanumericCnpjs) {
    const QStringList gerados = Gerar(20000);
    ASSERT_EQ(gerados.size(), 20000);
    for (qsizetype i = 0; i < gerados.size(); ++i) {
        const QString& numero = gerados[i];
        // The generator's check digits are ours; then both libraries judge our answer.
        EXPECT_EQ(TmStr::CalculaDigitoCnpjCpf(numero.left(12)), numero.right(2))
            << numero.toStdString();
        QString dado = i % 3 ? numero : TmStr::FormataCPFCNPJ(numero);
        if (i % 2)
            dado.back() = QChar(char16_t(u'0' + (dado.back().unicode() - u'0' + 1 + i % 9) % 10));
        if (i % 5 == 0)
            dado = dado.toLower();
        const QString nossa = Booleano(TmStr::IsCPFValido(dado));
        diferencial_.Perguntar(QStringLiteral("cnpj-bu ") + dado, nossa);
        diferencial_.Perguntar(QStringLiteral("cnpj-ccv ") + dado, nossa);
    }
    Comparar();
}

TEST_F(Npm, PisNumbers) {
    for (int i = 0; i < 50000; ++i) {
        QString pis = gerador_.Texto(11);
        if (i % 2) {
            // A valid one: the check digit of the first ten.
            for (QChar d = u'0'; d <= u'9'; d = QChar(d.unicode() + 1)) {
                pis.back() = d;
                if (TmStr::IsPISValido(pis))
                    break;
            }
        }
        diferencial_.Perguntar(QStringLiteral("pis ") + pis, Booleano(TmStr::IsPISValido(pis)));
    }
    Comparar();
}

// Keys of NF-e and NFC-e with generated control codes, half with a wrong check digit. The
// library reads keys as 44 digits only: keys with an alphanumeric issuer are checked for their
// CNPJ there, and for their check digit by the modulus rule the CNPJ shares.
TEST_F(Npm, AccessKeys) {
    Relogio::Fixar(DataHora::FromQDate(QDate(2026, 8, 1)));
    const char* ufs[] = {"SP", "RJ", "MG", "RS", "BA", "PE", "AM", "DF"};
    for (int i = 0; i < 20000; ++i) {
        const bool alfanumerica = i % 4 == 3;
        QString cnpj = gerador_.Texto(
            12, alfanumerica ? u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ" : u"0123456789");
        cnpj += TmStr::CalculaDigitoCnpjCpf(cnpj);
        const QDate emissao = QDate(2019, 10, 1).addDays(gerador_.Inteiro(0, 2400));
        QString chave = TmStr::CalculaChaveEletronica(
            QString::fromLatin1(ufs[i % 8]), DataHora::FromQDate(emissao), cnpj,
            i % 2 ? mdeNFe : mdeNFCe, gerador_.Inteiro(0, 889), gerador_.Inteiro(1, 999999999), 1,
            -1);
        if (i % 8 < 4)
            chave.back() = QChar(char16_t(u'0' + (chave.back().unicode() - u'0' + 1 + i % 9) % 10));
        const bool valida = TmStr::CalcModulo11(chave.left(43), 0) == chave.right(1);
        if (alfanumerica)
            diferencial_.Perguntar(QStringLiteral("cnpj-bu ") + chave.mid(6, 14), Booleano(true));
        else
            diferencial_.Perguntar(QStringLiteral("chave ") + chave, Booleano(valida));
    }
    Relogio::Liberar();
    Comparar();
}

// Each library on the state registrations where it follows the same rules; left out, with why:
// - brazilian-utils: PE 14 digits (it knows only the 9-digit eFisco numbers).
// - br-validations: AL (it restricts the third digit, the company type), RN 10 digits and TO 9
//   digits (it knows only the other length), GO (it refuses 11094402 with 1).
// - inscricaoestadual: CE (it requires the prefix 06), MT (it refuses every 11-digit number),
//   PE 14 digits (another weighting), RO (a remainder of 1 gives 1 there, 0 in the state's rule).
// - validations-br: PE 14 digits (9 digits only), GO (it gives 1 for a remainder of 0 inside
//   10103105 to 10119997, where the state's rule gives 0).
const struct {
    const char* biblioteca;
    QStringList deixados;  // "UF" or "UF:length"
} kBibliotecasIE[] = {
    {"brazilian-utils", {u"PE:14"_qs}},
    {"br-validations", {u"AL"_qs, u"RN:10"_qs, u"TO:9"_qs, u"GO"_qs}},
    {"inscricaoestadual", {u"CE"_qs, u"MT"_qs, u"PE:14"_qs, u"RO"_qs}},
    {"validations-br", {u"PE:14"_qs, u"GO"_qs}},
};

TEST_F(Npm, StateRegistrations) {
    CandidatosIE(gerador_, 40, [&](const QString& uf, const QString& numero) {
        const QString nossa = Booleano(TmStr::isIEValido(uf, numero, {}));
        for (const auto& b : kBibliotecasIE)
            if (!b.deixados.contains(uf) &&
                !b.deixados.contains(uf + u':' + QString::number(numero.size())))
                diferencial_.Perguntar(
                    QStringLiteral("ie %1 %2 %3").arg(QLatin1String(b.biblioteca), uf, numero),
                    nossa);
    });
    Comparar();
}

}  // namespace
