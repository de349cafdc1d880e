#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <cmath>
#include <random>
#include <string>

#include "sistema/versao/TmFileVersao.h"
#include "sistema/versao/VersaoRecurso.h"

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(FIXTURES_PE "/%1.exe").arg(nome);
}

struct CasoVersao {
    const char* arquivo;
    std::string versao;
    std::string tresNiveis;
};

// Real Windows program files: FileVersion in the table the translation names, ProductVersion
// when FileVersion is blank, nothing without a resource or without a translation.
TEST(GetVersaoArquivo, ReadsTheStringTableOfTheTranslation) {
    const CasoVersao casos[] = {
        {"versao_normal", "23.9.4.0", "23.9.4"},
        {"versao_produto", "2.0", "2"},
        {"versao_ingles", "1.2.3.45", "1.2.3"},  // PE32, table 040904b0
        {"versao_sem_ponto", "7", ""},
        {"sem_traducao", "", ""},
        {"sem_versao", "", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TmFile::GetVersaoArquivo(fixture(c.arquivo)).toStdString(), c.versao)
            << c.arquivo;
        EXPECT_EQ(mFile::GetVersaoArquivo3Niveis(fixture(c.arquivo)).toStdString(), c.tresNiveis)
            << c.arquivo;
    }
}

TEST(GetVersaoArquivo, FilesWithoutVersionGiveEmptyText) {
    QTemporaryDir pasta;
    QFile texto(pasta.filePath("texto.exe"));
    ASSERT_TRUE(texto.open(QIODevice::WriteOnly));
    texto.write("MZ nada aqui");
    texto.close();
    for (const QString& arquivo : {pasta.filePath("ausente.exe"), pasta.path(), texto.fileName(),
                                   QString(), QStringLiteral("/dev/zero")}) {
        EXPECT_EQ(TmFile::GetVersaoArquivo(arquivo), QString()) << arquivo.toStdString();
        EXPECT_EQ(TmFile::GetVersaoArquivo3Niveis(arquivo), QString()) << arquivo.toStdString();
    }
}

// The program's own file carries the block generated from the project version.
TEST(GetVersaoArquivo, ReadsTheRunningProgramsOwnVersion) {
    const QString proprio = QStringLiteral("/proc/self/exe");
    const QString versao = QStringLiteral(VERSAO_PROJETO);
    EXPECT_EQ(TmFile::GetVersaoArquivo(proprio), versao);
    EXPECT_EQ(TmFile::GetVersaoArquivo3Niveis(proprio), versao.left(versao.lastIndexOf(u'.')));
    EXPECT_EQ(versao, QStringLiteral("23.9.4.0"));

    QByteArray bloco;
    ASSERT_TRUE(VersaoRecurso::Ler(proprio, bloco));
    EXPECT_EQ(VersaoRecurso::Traducao(bloco), 0x04e40416u);
    const std::pair<const char*, const char*> textos[] = {
        {"CompanyName", "Orvane"},
        {"FileDescription", "test_sistema_versao"},
        {"InternalName", "test_sistema_versao"},
        {"OriginalFilename", "test_sistema_versao"},
        {"ProductName", "Orvane"},
        {"ProductVersion", VERSAO_PROJETO},
    };
    for (const auto& [chave, valor] : textos)
        EXPECT_EQ(VersaoRecurso::TextoDaTabela(bloco, chave), QString::fromLatin1(valor)) << chave;
}

// The generated block is byte for byte what the Windows resource compiler makes of the same
// version script, so Windows tools would read it as this reader does.
TEST(GetVersaoArquivo, OwnBlockMatchesTheResourceCompilers) {
    QByteArray proprio, compilado;
    ASSERT_TRUE(VersaoRecurso::Ler(QStringLiteral("/proc/self/exe"), proprio));
    ASSERT_TRUE(VersaoRecurso::Ler(fixture("versao_programa"), compilado));
    EXPECT_EQ(proprio.toHex(' ').toStdString(), compilado.toHex(' ').toStdString());
}

}  // namespace

namespace {

struct CasoComparacao {
    const char* atual;
    const char* maior;
    // The answer of each operator, in the order of geTiposComparacao.
    std::array<bool, 6> respostas;
};

// Fields compare as right-aligned numbers; more fields with the same leading ones is greater;
// a field keeps its last five characters.
TEST(VersaoMaior, AnswersEveryOperator) {
    //                                       =      <>     >      >=     <      <=
    const CasoComparacao casos[] = {
        {"1.2.3", "1.2.10", {false, true, true, true, false, false}},
        {"1.2", "1.2.0", {false, true, true, true, false, false}},
        {"1.2.0", "1.2", {false, true, false, false, true, true}},
        {"1.2.3", "1.2.3", {true, false, false, true, false, true}},
        {"1.123456", "1.23456", {true, false, false, true, false, true}},
        {"23.9.4.0", "23.10.0.0", {false, true, true, true, false, false}},
        {"", "", {true, false, false, true, false, true}},
        {"", "0", {true, false, false, true, false, true}},  // one empty field is 00000
    };
    for (const auto& c : casos) {
        for (int op = tcIgual; op <= tcMenorIgual; ++op) {
            EXPECT_EQ(TmFile::VersaoMaior(QString::fromLatin1(c.atual),
                                          QString::fromLatin1(c.maior), geTiposComparacao(op)),
                      c.respostas[op])
                << c.atual << " " << c.maior << " operator " << op;
        }
    }
}

TEST(VersaoMaior, NovaVersaoWhenBlankOrNewer) {
    EXPECT_TRUE(mFile::NovaVersao(QString(), QStringLiteral("1.0")));
    EXPECT_TRUE(mFile::NovaVersao(QStringLiteral(" \t "), QString()));
    EXPECT_FALSE(mFile::NovaVersao(QStringLiteral("2.0"), QStringLiteral("2.0")));
    EXPECT_TRUE(mFile::NovaVersao(QStringLiteral("2.0"), QStringLiteral("2.0.1")));
    EXPECT_FALSE(mFile::NovaVersao(QStringLiteral("2.1"), QStringLiteral("2.0.9")));
}

// Random numeric versions (1 to 5 fields of up to five digits, no leading zeros), ordered by
// sort -V: every operator agrees with that order on every pair of a sample.
TEST(VersaoMaior, AgreesWithSortV) {
    std::mt19937 gerador(20261210);
    const auto campo = [&gerador]() {
        const int digitos = std::uniform_int_distribution<int>(1, 5)(gerador);
        const int limite = digitos == 1 ? 10 : int(std::pow(10, digitos));
        const int minimo = digitos == 1 ? 0 : limite / 10;
        return QString::number(std::uniform_int_distribution<int>(minimo, limite - 1)(gerador));
    };
    QStringList versoes;
    for (int i = 0; i < 400; ++i) {
        QStringList campos;
        const int quantos = std::uniform_int_distribution<int>(1, 5)(gerador);
        for (int c = 0; c < quantos; ++c)
            campos << (std::uniform_int_distribution<int>(0, 3)(gerador) == 0
                           ? versoes.value(i - 1).section(u'.', c, c)
                           : campo());
        campos.removeAll(QString());
        versoes << (campos.isEmpty() ? QStringLiteral("0") : campos.join(u'.'));
    }
    QProcess sort;
    sort.start(QStringLiteral(SORT), {QStringLiteral("-V")});
    ASSERT_TRUE(sort.waitForStarted());
    sort.write(versoes.join(u'\n').toLatin1() + '\n');
    sort.closeWriteChannel();
    ASSERT_TRUE(sort.waitForFinished());
    const QStringList ordenadas =
        QString::fromLatin1(sort.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(ordenadas.size(), versoes.size());
    const auto posto = [&ordenadas](const QString& v) { return ordenadas.indexOf(v); };
    for (int i = 0; i < versoes.size(); ++i) {
        for (int j = i; j < versoes.size(); j += 7) {
            const int a = posto(versoes[i]), b = posto(versoes[j]);
            const std::array<bool, 6> esperadas{b == a, b != a, b > a, b >= a, b < a, b <= a};
            for (int op = tcIgual; op <= tcMenorIgual; ++op)
                ASSERT_EQ(TmFile::VersaoMaior(versoes[i], versoes[j], geTiposComparacao(op)),
                          esperadas[op])
                    << versoes[i].toStdString() << " " << versoes[j].toStdString() << " op " << op;
        }
    }
}

}  // namespace
