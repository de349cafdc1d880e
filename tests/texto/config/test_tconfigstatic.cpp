#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <type_traits>
#include <utility>

#include "base/EInOutError.h"
#include "texto/config/Documento.h"
#include "texto/config/TConfigStatic.h"
#include "texto/config/TmConfig.h"

namespace TCS = TConfigStatic;

namespace {

TDateTime Dia(int ano, int mes, int dia) {
    return DataHora::FromQDate(QDate(ano, mes, dia));
}

// The file's lines as the settings file reads them; none when it does not exist.
QStringList Linhas(const QString& arquivo) {
    return TmConfig(arquivo, true).Lista();
}

ino_t Inode(const QString& arquivo) {
    struct stat st {};
    return ::stat(QFile::encodeName(arquivo).constData(), &st) == 0 ? st.st_ino : 0;
}

class AcessoEstatico : public ::testing::Test {
protected:
    void Escrever(const QStringList& doc) const { TmConfig(doc).SaveCopyTo(arquivo_); }

    QTemporaryDir dir_;
    const QString arquivo_ = dir_.filePath(QStringLiteral("cfg.ini"));
};

// ---- reads ----

TEST_F(AcessoEstatico, EveryReadTakesItsSectionAndTypeOrGivesTheDefault) {
    Escrever(Doc({"[Rede]", "Texto= abc", "Inteiro=42", "Booleano=1", "Float=1,5", "Curr=2,5",
                  "Data=25/12/2023", "DataHora=25/12/2023 10:30:00", "", "[Config]", "Texto=cfg",
                  "Inteiro=$10", "Booleano=S", "Float=0,25", "Curr=9,9999", "Data=01/02/2020",
                  "DataHora=01/02/2020 12:00:00"}));
    const QString r = QStringLiteral("Rede"), f = arquivo_;

    EXPECT_EQ(TCS::Ler(r, QStringLiteral("Texto"), QString(), f), QStringLiteral(" abc"));
    EXPECT_EQ(TCS::Ler(r, QStringLiteral("Inteiro"), 0, f), 42);
    EXPECT_TRUE(TCS::Ler(r, QStringLiteral("Booleano"), false, f));
    EXPECT_EQ(TCS::LerFloat(r, QStringLiteral("Float"), 0, f), 1.5);
    EXPECT_EQ(TCS::LerCurr(r, QStringLiteral("Curr"), {}, f), Currency::FromRaw(25000));
    EXPECT_EQ(TCS::LerDate(r, QStringLiteral("Data"), 0, f), Dia(2023, 12, 25));
    EXPECT_EQ(TCS::LerDateTime(r, QStringLiteral("DataHora"), 0, f), Dia(2023, 12, 25) + 0.4375);

    EXPECT_EQ(TCS::LerConfig(QStringLiteral("Texto"), QString(), f), QStringLiteral("cfg"));
    EXPECT_EQ(TCS::LerConfig(QStringLiteral("Inteiro"), 0, f), 16);
    EXPECT_FALSE(TCS::LerConfig(QStringLiteral("Booleano"), true, f));  // present, not "1"
    EXPECT_EQ(TCS::LerFloatConfig(QStringLiteral("Float"), 0, f), 0.25);
    EXPECT_EQ(TCS::LerCurrConfig(QStringLiteral("Curr"), {}, f), Currency::FromRaw(99999));
    EXPECT_EQ(TCS::LerDateConfig(QStringLiteral("Data"), 0, f), Dia(2020, 2, 1));
    EXPECT_EQ(TCS::LerDateTimeConfig(QStringLiteral("DataHora"), 0, f), Dia(2020, 2, 1) + 0.5);

    // Missing keys, a missing section and a missing file give the defaults.
    const QString semArquivo = dir_.filePath(QStringLiteral("nenhum.ini"));
    EXPECT_EQ(TCS::Ler(r, QStringLiteral("Falta"), QStringLiteral("p"), f), QStringLiteral("p"));
    EXPECT_EQ(TCS::Ler(QStringLiteral("Outra"), QStringLiteral("Inteiro"), -3, f), -3);
    EXPECT_TRUE(TCS::LerConfig(QStringLiteral("Falta"), true, f));
    EXPECT_EQ(TCS::LerCurrConfig(QStringLiteral("Curr"), Currency::FromInt(7), semArquivo),
              Currency::FromInt(7));
    EXPECT_EQ(TCS::LerDate(r, QStringLiteral("Data"), Dia(2001, 1, 1) + 0.5, semArquivo),
              Dia(2001, 1, 1));  // the default as it comes back from its own text form
    EXPECT_FALSE(QFile::exists(semArquivo + QStringLiteral(".lock")));  // reads leave nothing
}

// ---- writes ----

TEST_F(AcessoEstatico, EveryWriteCreatesTheFileWithItsSectionAndTextForm) {
    const struct {
        std::function<void(const QString&)> gravar;
        const char *secao, *linha;
    } casos[] = {
        {[](auto& a) { TCS::Gravar("Rede", "T", QStringLiteral("á b"), a); }, "[Rede]", "T=á b"},
        {[](auto& a) { TCS::Gravar("Rede", "I", -5, a); }, "[Rede]", "I=-5"},
        {[](auto& a) { TCS::Gravar("Rede", "B", true, a); }, "[Rede]", "B=1"},
        {[](auto& a) { TCS::GravarFloat("Rede", "F", 1.5, a); }, "[Rede]", "F=1,5"},
        {[](auto& a) { TCS::GravarCurr("Rede", "C", Currency::FromRaw(-25), a); }, "[Rede]",
         "C=-0,0025"},
        {[](auto& a) { TCS::GravarDate("Rede", "D", Dia(2023, 12, 25) + 0.5, a); }, "[Rede]",
         "D=25/12/2023"},
        {[](auto& a) { TCS::GravarDateTime("Rede", "H", Dia(2023, 12, 25) + 0.5, a); }, "[Rede]",
         "H=25/12/2023 12:00:00"},
        {[](auto& a) { TCS::GravarConfig("T", QStringLiteral("x"), a); }, "[Config]", "T=x"},
        {[](auto& a) { TCS::GravarConfig("I", 22334, a); }, "[Config]", "I=22334"},
        {[](auto& a) { TCS::GravarConfig("B", false, a); }, "[Config]", "B=0"},
        {[](auto& a) { TCS::GravarFloatConfig("F", 1e-20, a); }, "[Config]", "F=1E-20"},
        {[](auto& a) { TCS::GravarCurrConfig("C", Currency::FromInt(3), a); }, "[Config]", "C=3"},
        {[](auto& a) { TCS::GravarDateConfig("D", Dia(2020, 2, 1), a); }, "[Config]",
         "D=01/02/2020"},
    };
    for (const auto& caso : casos) {
        QFile::remove(arquivo_);
        caso.gravar(arquivo_);
        EXPECT_EQ(Linhas(arquivo_), Doc({caso.secao, caso.linha}));
    }
}

TEST_F(AcessoEstatico, ALiteralDefaultOrValueIsText) {
    // A pointer converts to bool before QString; the literal must still reach the text form.
    static_assert(std::is_same_v<decltype(TCS::Ler("Config", "Porta", "22334")), QString>);
    static_assert(std::is_same_v<decltype(TCS::LerConfig("Porta", "22334")), QString>);
    static_assert(std::is_same_v<decltype(TCS::Ler("Config", "Porta", true)), bool>);
    static_assert(std::is_same_v<decltype(TCS::Ler("Config", "Porta", 1)), std::int32_t>);

    EXPECT_EQ(TCS::Ler("Config", "Porta", "22334", arquivo_), QStringLiteral("22334"));
    EXPECT_EQ(TCS::LerConfig("Porta", "22334", arquivo_), QStringLiteral("22334"));
    TCS::Gravar("Rede", "Host", "caixa-1", arquivo_);
    TCS::GravarConfig("Porta", "22335", arquivo_);
    EXPECT_EQ(Linhas(arquivo_), Doc({"[Rede]", "Host=caixa-1", "", "[Config]", "Porta=22335"}));
    EXPECT_EQ(TCS::LerConfig("Porta", "22334", arquivo_), QStringLiteral("22335"));
}

TEST_F(AcessoEstatico, AnEmptyTextRemovesTheKey) {
    Escrever(Doc({"[Config]", "A=1", "B=2"}));
    TCS::GravarConfig("A", QString(), arquivo_);
    TCS::Excluir("Config", "B", arquivo_);
    EXPECT_EQ(Linhas(arquivo_), Doc({"[Config]"}));
}

// ---- sections ----

TEST_F(AcessoEstatico, SectionsAreListedAndErased) {
    Escrever(Doc({"; topo", "[A]", "x=1", "nota", "y=2", "", "[B]", "z=3"}));
    QStringList saida{QStringLiteral("velho")};
    TCS::LerSecoes(saida, arquivo_);
    EXPECT_EQ(saida, Doc({"A", "B"}));
    TCS::LerSecao(saida, QStringLiteral("a"), arquivo_);
    EXPECT_EQ(saida, Doc({"x", "y"}));
    TCS::LerSecaoValues(saida, QStringLiteral("A"), arquivo_);
    EXPECT_EQ(saida, Doc({"x=1", "nota", "y=2"}));

    TCS::LimparSecao(QStringLiteral("A"), arquivo_);
    EXPECT_EQ(Linhas(arquivo_), Doc({"; topo", "[B]", "z=3"}));
}

TEST_F(AcessoEstatico, AWriteThatChangesNothingLeavesTheFileAlone) {
    Escrever(Doc({"[A]", "x=1"}));
    const ino_t antes = Inode(arquivo_);
    TCS::LimparSecao(QStringLiteral("Falta"), arquivo_);
    TCS::Excluir(QStringLiteral("A"), QStringLiteral("falta"), arquivo_);
    EXPECT_EQ(Inode(arquivo_), antes);  // not replaced by a save

    const QString semArquivo = dir_.filePath(QStringLiteral("nenhum.ini"));
    TCS::LimparSecao(QStringLiteral("A"), semArquivo);
    EXPECT_FALSE(QFile::exists(semArquivo));
}

// ---- failures ----

TEST_F(AcessoEstatico, AFileThatCannotBeReadOrSavedRaises) {
    const QString pasta = dir_.filePath(QStringLiteral("pasta.ini"));  // a folder, not a file
    ASSERT_TRUE(QDir().mkdir(pasta));
    EXPECT_THROW(TCS::LerConfig("Porta", 1, pasta), EInOutError);
    EXPECT_THROW(TCS::GravarConfig("Porta", 1, pasta), EInOutError);

    const QString semPasta = dir_.filePath(QStringLiteral("falta/cfg.ini"));
    EXPECT_EQ(TCS::LerConfig("Porta", 1, semPasta), 1);
    EXPECT_THROW(TCS::GravarConfig("Porta", 2, semPasta), EInOutError);  // not lost silently

    Escrever(Doc({"[Config]", "Porta=1"}));
    ASSERT_TRUE(QFile::setPermissions(arquivo_, QFileDevice::ReadOwner));
    EXPECT_THROW(TCS::GravarConfig("Porta", 2, arquivo_), EInOutError);
    EXPECT_EQ(TCS::LerConfig("Porta", 0, arquivo_), 1);
}

// ---- the default file ----

TEST(AcessoEstaticoPadrao, AnEmptyNameIsTheProgramsIniFile) {
    const QString padrao = TCS::ArquivoPadrao();
    // The test program has no extension, so ".ini" is added.
    ASSERT_EQ(padrao, QCoreApplication::applicationFilePath() + QStringLiteral(".ini"));
    ASSERT_FALSE(QFile::exists(padrao));
    TCS::GravarConfig("Porta", 22335);
    EXPECT_EQ(Linhas(padrao), Doc({"[Config]", "Porta=22335"}));
    EXPECT_EQ(TCS::LerConfig("Porta", 0), 22335);
    EXPECT_EQ(TCS::LerConfig("Porta", 0, QStringLiteral(" ")), 0);  // blanks are a name
    QFile::remove(padrao);
    QFile::remove(padrao + QStringLiteral(".lock"));
}

TEST(AcessoEstaticoPadrao, AProgramReplacedWhileRunningKeepsItsName) {
    // Another program, without an application object, whose file is deleted under it (as an
    // update replaces it): its settings file is still the one beside its path.
    QTemporaryDir dir;
    const QString programa = dir.filePath(QStringLiteral("caixa.bin"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CLIENTE_INI), programa));
    QProcess cliente;
    cliente.start(programa, {QStringLiteral("padrao")});
    ASSERT_TRUE(cliente.waitForStarted(30000));
    ASSERT_TRUE(QFile::remove(programa));
    cliente.write("\n");
    ASSERT_TRUE(cliente.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(cliente.readAllStandardOutput()).trimmed(),
              dir.filePath(QStringLiteral("caixa.ini")));
}

// ---- two programs on one file ----

TEST_F(AcessoEstatico, TwoProgramsWritingOneFileLoseNoKey) {
    constexpr int kVezes = 1000;
    QProcess tela, caixa;
    for (auto [cliente, prefixo] : {std::pair{&tela, "Tela"}, std::pair{&caixa, "Caixa"}})
        cliente->start(QStringLiteral(CLIENTE_INI),
                       {QStringLiteral("gravar"), arquivo_, QString::fromLatin1(prefixo),
                        QString::number(kVezes)});
    for (QProcess* cliente : {&tela, &caixa}) {
        ASSERT_TRUE(cliente->waitForFinished(900000));
        ASSERT_EQ(cliente->exitCode(), 0) << cliente->readAllStandardError().data();
    }
    // Each program wrote a new key <prefix><i> = i for every even i and <prefix>Ultimo = i for
    // every odd one: the file must hold exactly those, with their last values.
    QStringList esperadas;
    for (const QString& prefixo : {QStringLiteral("Tela"), QStringLiteral("Caixa")}) {
        for (int i = 0; i < kVezes; i += 2)
            esperadas.append(prefixo + QString::number(i) + u'=' + QString::number(i));
        esperadas.append(prefixo + QStringLiteral("Ultimo=") + QString::number(kVezes - 1));
    }
    QStringList presentes;
    TCS::LerSecaoValues(presentes, QStringLiteral("Chaves"), arquivo_);
    esperadas.sort();
    presentes.sort();
    EXPECT_EQ(presentes, esperadas);
}

}  // namespace

// ---- the lock file ----

namespace {

// Something planted at the lock file's name (a link to another file, dangling or not, or a FIFO)
// is never opened through: a write is refused and changes nothing, a read goes on.
TEST_F(AcessoEstatico, SomethingPlantedAtTheLockNameIsNeverWrittenThrough) {
    const QString trava = arquivo_ + QStringLiteral(".lock");
    const QString vitima = dir_.filePath(QStringLiteral("vitima"));
    const struct {
        const char* nome;
        std::function<bool()> plantar;
        QByteArray vitimaDepois;
    } casos[] = {
        {"link to a missing file", [&] { return QFile::link(vitima, trava); }, "(ausente)"},
        {"link to a file",
         [&] {
             QFile f(vitima);
             return f.open(QIODevice::WriteOnly) && f.write("segredo") == 7 &&
                    QFile::link(vitima, trava);
         },
         "segredo"},
        {"FIFO", [&] { return ::mkfifo(QFile::encodeName(trava).constData(), 0600) == 0; },
         "(ausente)"},
    };
    for (const auto& c : casos) {
        QFile::remove(vitima);
        QFile::remove(trava);
        Escrever(Doc({"[Config]", "Porta=1"}));
        ASSERT_TRUE(c.plantar()) << c.nome;
        EXPECT_THROW(TCS::GravarConfig("Porta", 2, arquivo_), EInOutError) << c.nome;
        EXPECT_EQ(TCS::LerConfig("Porta", 0, arquivo_), 1) << c.nome;
        QFile f(vitima);
        EXPECT_EQ(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ausente)"),
                  c.vitimaDepois)
            << c.nome;
    }
}

// The static access reads a file without a mark by the one rule: UTF-8 when its bytes are.
TEST_F(AcessoEstatico, AFileOfALinuxEditorReadsAsUtf8) {
    QFile f(arquivo_);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Config]\nMsg=Promo\xC3\xA7\xC3\xA3o\n");
    f.close();
    EXPECT_EQ(TCS::LerConfig("Msg", "", arquivo_), QStringLiteral("Promoção"));
}

}  // namespace
