#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <functional>
#include <future>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "texto/config/Documento.h"
#include "texto/config/TmConfig.h"

namespace {

std::string Texto(const QStringList& linhas) {
    return linhas.join(QLatin1String(" / ")).toStdString();
}

QByteArray Ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

void Escrever(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The names of a folder's files without the lock file of "c.ini", which a save leaves by design.
QStringList SemTrava(QStringList nomes) {
    nomes.removeOne(QStringLiteral("c.ini.lock"));
    return nomes;
}

TDateTime Dia(int ano, int mes, int dia) {
    return DataHora::FromQDate(QDate(ano, mes, dia));
}
TDateTime Hora(int h, int m, int s, int ms = 0) {
    return DataHora::FromQTime(QTime(h, m, s, ms));
}

// The document as a UTF-8 file with its mark, loaded: a loaded document is searched through its
// own index of headers, a document built from a list by walking its lines.
std::unique_ptr<const TmConfig> Carregado(const QTemporaryDir& dir, const QStringList& doc) {
    const QString caminho = dir.filePath(QStringLiteral("doc.ini"));
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        return nullptr;
    f.write("\xEF\xBB\xBF" + (doc.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8());
    f.close();
    return std::make_unique<const TmConfig>(caminho, true);
}

class Arquivos : public ::testing::Test {
protected:
    QString Caminho(const char* nome) const { return dir_.filePath(QString::fromUtf8(nome)); }
    QTemporaryDir dir_;
};

// ---- search and insertion ----

TEST(TmConfigEscrita, NewKeysAndSectionsGoToTheirFixedPlaces) {
    const struct {
        QStringList antes;
        const char *secao, *item, *valor;
        QStringList depois;
    } casos[] = {
        {{}, "Config", "Porta", "22334", Doc({"[Config]", "Porta=22334"})},
        {Doc({"[Rede]", "A=1"}), "Config", "B", "2", Doc({"[Rede]", "A=1", "", "[Config]", "B=2"})},
        {Doc({"[Rede]", "A=1", ""}), "Config", "B", "2",
         Doc({"[Rede]", "A=1", "", "[Config]", "B=2"})},
        {Doc({"[Rede]", "A=1", " \t"}), "config", "B", "2",
         Doc({"[Rede]", "A=1", " \t", "[config]", "B=2"})},
        {Doc({"[Config]", "A=1", "", "[Rede]"}), "Config", "B", "2",
         Doc({"[Config]", "A=1", "B=2", "", "[Rede]"})},
        {Doc({"[Config]", "A=1", "[Rede]"}), "Config", "B", "2",
         Doc({"[Config]", "A=1", "B=2", "", "[Rede]"})},
        {Doc({"[Config]", "", "A=1"}), "Config", "B", "2", Doc({"[Config]", "B=2", "", "A=1"})},
        {Doc({"[Config]"}), "Config", "B", "2", Doc({"[Config]", "B=2"})},
        {Doc({"[Config]", "; nota", "A=1"}), "CONFIG", "B", "2",
         Doc({"[Config]", "; nota", "A=1", "B=2"})},
        // Only the first block of a repeated section takes new keys.
        {Doc({"[Config]", "A=1", "", "[Config]", "C=3"}), "Config", "B", "2",
         Doc({"[Config]", "A=1", "B=2", "", "[Config]", "C=3"})},
        // Existing keys keep their letters and place; an empty value removes them.
        {Doc({"[Config]", "PORTA=1", "X=2"}), "Config", "porta", "9",
         Doc({"[Config]", "PORTA=9", "X=2"})},
        {Doc({"[Config]", "Porta=1", "X=2"}), "Config", "Porta", "", Doc({"[Config]", "X=2"})},
        {Doc({"[Config]", "X=2"}), "Config", "Porta", "", Doc({"[Config]", "X=2", "Porta="})},
        // A key found in a second block of the section is changed there.
        {Doc({"[Config]", "A=1", "[Rede]", "B=1", "[Config]", "B=2"}), "Config", "B", "5",
         Doc({"[Config]", "A=1", "[Rede]", "B=1", "[Config]", "B=5"})},
        // A key above the first header belongs to no section.
        {Doc({"A=1", "[Config]"}), "Config", "A", "2", Doc({"A=1", "[Config]", "A=2"})},
        // Blanks around "=" are part of the name and value.
        {Doc({"[Config]", "A = 1"}), "Config", "A", "2", Doc({"[Config]", "A = 1", "A=2"})},
        // A header with a blank inside or after is no header of the name, but still ends a block.
        {Doc({"[Config] ", "A=1"}), "Config", "A", "2",
         Doc({"[Config] ", "A=1", "", "[Config]", "A=2"})},
        {Doc({"[Config]", "A=1", "[ Rede]", "B=1"}), "Config", "B", "2",
         Doc({"[Config]", "A=1", "B=2", "", "[ Rede]", "B=1"})},
        // Accented letters fold both in section and key names.
        {Doc({"[SEÇÃO]", "AÇÃO=1"}), "seção", "ação", "2", Doc({"[SEÇÃO]", "AÇÃO=2"})},
        // An empty key name matches no comment or blank line of the section.
        {Doc({"[Config]", "; nota"}), "Config", "", "x", Doc({"[Config]", "; nota", "=x"})},
    };
    for (const auto& c : casos) {
        TmConfig cfg(c.antes);
        cfg.WriteString(QString::fromUtf8(c.secao), QString::fromUtf8(c.item),
                        QString::fromUtf8(c.valor));
        EXPECT_EQ(cfg.Lista(), c.depois) << Texto(c.antes) << " <- " << c.item;
        EXPECT_TRUE(cfg.Modificado());
    }
}

TEST(TmConfigSecoes, BlockOperationsUseTheFirstHeader) {
    const QStringList doc = Doc({"Solta=1", "[Config]", "A=1", "; nota", "", "  ", "B = 2",
                                 "[Rede]", "P=1", "  [ Caixa ]  x", "[Config]", "C=3", "[Vazia]"});
    const QTemporaryDir dir;
    const TmConfig lista(doc);
    const auto carregado = Carregado(dir, doc);
    ASSERT_TRUE(carregado);
    for (const TmConfig* cfg : {&lista, carregado.get()}) {
        QStringList saida = {QStringLiteral("lixo")};
        cfg->ReadSections(saida);
        EXPECT_EQ(saida, Doc({"Config", "Rede", "Caixa   x", "Config", "Vazia"}));
        cfg->ReadSection(QStringLiteral("config"), saida);
        EXPECT_EQ(saida, Doc({"A", "B "}));
        cfg->ReadSectionValues(QStringLiteral("Config"), saida);
        EXPECT_EQ(saida, Doc({"A=1", "; nota", "  ", "B = 2"}));
        // "  [ Caixa ]  x" does not start with "[": it is no header and P's block goes on.
        cfg->ReadSectionValues(QStringLiteral("Rede"), saida);
        EXPECT_EQ(saida, Doc({"P=1", "  [ Caixa ]  x"}));
        EXPECT_EQ(cfg->GetSectionItemCount(QStringLiteral("Config")), 2);
        EXPECT_EQ(cfg->GetSectionItemCount(QStringLiteral("Vazia")), 0);
        EXPECT_EQ(cfg->GetSectionItemCount(QStringLiteral("Nenhuma")), 0);
        cfg->ReadSection(QStringLiteral("Nenhuma"), saida);
        EXPECT_TRUE(saida.isEmpty());
        EXPECT_TRUE(cfg->SectionExists(QStringLiteral("VAZIA")));
        EXPECT_FALSE(cfg->SectionExists(QStringLiteral("Caixa")));
        EXPECT_FALSE(cfg->Modificado());
    }
}

TEST(TmConfigSecoes, EraseSectionRemovesTheHeaderAndTheLinesUpToTheNextHeader) {
    const struct {
        QStringList antes;
        const char* secao;
        QStringList depois;
        bool modificado;
    } casos[] = {
        {Doc({"[A]", "x=1", "[B]", "y=2"}), "A", Doc({"[B]", "y=2"}), true},
        {Doc({"[A]", "x=1", "", "[B]"}), "a", Doc({"[B]"}), true},
        {Doc({"[B]", "y=2", "", "[A]", "x=1", "", "; fim"}), "A", Doc({"[B]", "y=2", ""}), true},
        {Doc({"[A]", "x=1", "[A]", "x=2"}), "A", Doc({"[A]", "x=2"}), true},
        {Doc({"[B]", "y=2"}), "A", Doc({"[B]", "y=2"}), false},
    };
    for (const auto& c : casos) {
        TmConfig cfg(c.antes);
        cfg.EraseSection(QString::fromUtf8(c.secao));
        EXPECT_EQ(cfg.Lista(), c.depois) << Texto(c.antes);
        EXPECT_EQ(cfg.Modificado(), c.modificado) << Texto(c.antes);
    }
}

TEST(TmConfigSecoes, DeleteKeyRemovesTheFirstKeyOfTheSectionOnly) {
    TmConfig cfg(Doc({"A=0", "[Rede]", "A=1", "[Config]", "a=2", "A=3"}));
    cfg.DeleteKey(QStringLiteral("Outra"), QStringLiteral("A"));
    EXPECT_FALSE(cfg.Modificado());
    cfg.DeleteKey(QStringLiteral("Config"), QStringLiteral("A"));
    EXPECT_EQ(cfg.Lista(), Doc({"A=0", "[Rede]", "A=1", "[Config]", "A=3"}));
    EXPECT_TRUE(cfg.Modificado());
    TmConfig vazio(QStringList{});
    vazio.DeleteKey(QStringLiteral("Config"), QStringLiteral("A"));
    EXPECT_FALSE(vazio.Modificado());
}

// ---- typed values ----

TEST(TmConfigTipos, TypedReadsParseTheStoredTextOrGiveTheDefault) {
    const TmConfig cfg(
        Doc({"[C]", "Int= 5", "IntFim=5 ", "Hex=$1F", "Grande=2147483648", "Um=1", "UmBranco= 1",
             "S=S", "Vazio=", "Real=-2,5", "RealPonto=2.5", "RealExp= 1,5E3 ", "Moeda=12,3456",
             "Data=05/03/2024", "DataHora=05/03/2024 07:08:09", "Hora=07:08", "Lixo=abc"}));
    const QString c = QStringLiteral("C");
    auto I = [&](const char* item, int padrao) {
        return cfg.ReadInteger(c, QString::fromUtf8(item), padrao);
    };
    EXPECT_EQ(I("Int", -1), 5);
    EXPECT_EQ(I("IntFim", -1), -1);
    EXPECT_EQ(I("Hex", -1), 31);
    EXPECT_EQ(I("Grande", -1), -1);
    EXPECT_EQ(I("Falta", 42), 42);

    auto B = [&](const char* item, bool padrao) {
        return cfg.ReadBool(c, QString::fromUtf8(item), padrao);
    };
    EXPECT_TRUE(B("Um", false));
    for (const char* falso : {"UmBranco", "S", "Vazio", "Lixo", "Int"})
        EXPECT_FALSE(B(falso, true)) << falso;
    EXPECT_TRUE(B("Falta", true));
    EXPECT_FALSE(B("Falta", false));

    EXPECT_EQ(cfg.ReadFloat(c, QStringLiteral("Real"), 0), -2.5);
    EXPECT_EQ(cfg.ReadFloat(c, QStringLiteral("RealPonto"), 7), 7);
    EXPECT_EQ(cfg.ReadFloat(c, QStringLiteral("RealExp"), 0), 1500);
    // A missing key gives the default as it comes back from its text form: 15 digits.
    EXPECT_EQ(cfg.ReadFloat(c, QStringLiteral("Falta"), 1.0 / 3), 0.333333333333333);
    EXPECT_EQ(cfg.ReadCurr(c, QStringLiteral("Moeda"), Currency()).Raw(), 123456);
    EXPECT_EQ(cfg.ReadCurr(c, QStringLiteral("Lixo"), Currency::FromRaw(7)).Raw(), 7);

    const TDateTime padrao = Dia(2000, 1, 2) + Hora(3, 4, 5, 678);
    EXPECT_EQ(cfg.ReadDate(c, QStringLiteral("Data"), 0), Dia(2024, 3, 5));
    EXPECT_EQ(cfg.ReadDate(c, QStringLiteral("DataHora"), 0), 0);  // no time allowed
    EXPECT_EQ(cfg.ReadDateTime(c, QStringLiteral("DataHora"), 0), Dia(2024, 3, 5) + Hora(7, 8, 9));
    EXPECT_EQ(cfg.ReadDateTime(c, QStringLiteral("Data"), 0), Dia(2024, 3, 5));
    EXPECT_EQ(cfg.ReadTime(c, QStringLiteral("Hora"), 0), Hora(7, 8, 0));
    EXPECT_EQ(cfg.ReadDate(c, QStringLiteral("Falta"), padrao), Dia(2000, 1, 2));
    EXPECT_EQ(cfg.ReadDateTime(c, QStringLiteral("Falta"), padrao),
              Dia(2000, 1, 2) + Hora(3, 4, 5));
    EXPECT_EQ(cfg.ReadTime(c, QStringLiteral("Falta"), padrao), Hora(3, 4, 5));
    // An unparsable present value gives the default itself, fractions included.
    EXPECT_EQ(cfg.ReadDateTime(c, QStringLiteral("Lixo"), padrao), padrao);
}

// Currency text is read exactly, with the rounding of the forgiving reader Str2Curr (ties to
// even): through a double, sixteen-digit amounts and the type's limits came back changed.
TEST(TmConfigTipos, CurrencyIsReadExactly) {
    constexpr std::int64_t kPadrao = -1;
    const struct {
        const char* texto;
        std::int64_t raw;
    } casos[] = {
        {"12345678901234,5678", 123456789012345678},
        {"922337203685477,5807", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477,5808", std::numeric_limits<std::int64_t>::min()},
        {"922337203685477,5808", kPadrao},
        {"922337203685477,58074", std::numeric_limits<std::int64_t>::max()},
        {"1,00005", 10000},
        {"1,00015", 10002},
        {"1,000050001", 10001},
        {"-1,00005", -10000},
        {" 1,5E3 ", 15000000},
        {"25E-6", 0},
        {"1E-99999999999", 0},
        {"0E99999999999", 0},
        {"1E19", kPadrao},
    };
    for (const auto& c : casos) {
        const TmConfig cfg(Doc({"[C]", (std::string("M=") + c.texto).c_str()}));
        EXPECT_EQ(cfg.ReadCurr(QStringLiteral("C"), QStringLiteral("M"), Currency::FromRaw(kPadrao))
                      .Raw(),
                  c.raw)
            << c.texto;
    }
    // Every amount written comes back as it was, sixteen digits and the limits included.
    TmConfig cfg(QStringList{});
    std::mt19937_64 sorteio(20261210);
    std::vector<std::int64_t> valores = {std::numeric_limits<std::int64_t>::max(),
                                         std::numeric_limits<std::int64_t>::min()};
    for (int i = 0; i < 500; ++i) {  // 13 to 19 digits, both signs
        const auto raw = std::int64_t(sorteio() >> (1 + i % 8 * 3));
        valores.push_back(i % 2 ? -raw : raw);
    }
    for (const std::int64_t raw : valores) {
        cfg.WriteCurr(QStringLiteral("C"), QStringLiteral("M"), Currency::FromRaw(raw));
        ASSERT_EQ(cfg.ReadCurr(QStringLiteral("C"), QStringLiteral("M"), {}).Raw(), raw);
    }
}

TEST(TmConfigTipos, TypedWritesUseTheTextForms) {
    TmConfig cfg(QStringList{});
    const QString c = QStringLiteral("C");
    cfg.WriteInteger(c, QStringLiteral("I"), -7);
    cfg.WriteBool(c, QStringLiteral("B"), true);
    cfg.WriteBool(c, QStringLiteral("F"), false);
    cfg.WriteFloat(c, QStringLiteral("R"), 1234.5);
    cfg.WriteCurr(c, QStringLiteral("M"), Currency::FromRaw(12300));
    const TDateTime v = Dia(2024, 3, 5) + Hora(7, 8, 9, 500);
    cfg.WriteDate(c, QStringLiteral("D"), v);
    cfg.WriteDateTime(c, QStringLiteral("DH"), v);
    cfg.WriteTime(c, QStringLiteral("H"), v);
    EXPECT_EQ(cfg.Lista(), Doc({"[C]", "I=-7", "B=1", "F=0", "R=1234,5", "M=1,23", "D=05/03/2024",
                                "DH=05/03/2024 07:08:09", "H=07:08:09"}));
}

TEST(TmConfigTipos, ConfigShorthandsWorkOnTheSectionConfig) {
    TmConfig cfg(Doc({"[Rede]", "Porta=1"}));
    cfg.WriteStringConfig(QStringLiteral("Nome"), QStringLiteral("Caixa 1"));
    cfg.WriteIntegerConfig(QStringLiteral("Porta"), 22334);
    cfg.WriteBoolConfig(QStringLiteral("Tela"), true);
    cfg.WriteFloatConfig(QStringLiteral("Zoom"), 1.5);
    cfg.WriteCurrConfig(QStringLiteral("Troco"), Currency::FromRaw(5000));
    cfg.WriteDateConfig(QStringLiteral("Dia"), Dia(2024, 3, 5));
    cfg.WriteDateTimeConfig(QStringLiteral("Quando"), Dia(2024, 3, 5) + Hora(1, 2, 3));
    EXPECT_EQ(cfg.Lista(),
              Doc({"[Rede]", "Porta=1", "", "[Config]", "Nome=Caixa 1", "Porta=22334", "Tela=1",
                   "Zoom=1,5", "Troco=0,5", "Dia=05/03/2024", "Quando=05/03/2024 01:02:03"}));
    EXPECT_EQ(cfg.ReadStringConfig(QStringLiteral("nome"), {}), QStringLiteral("Caixa 1"));
    EXPECT_EQ(cfg.ReadIntegerConfig(QStringLiteral("Porta"), 0), 22334);
    EXPECT_TRUE(cfg.ReadBoolConfig(QStringLiteral("Tela"), false));
    EXPECT_EQ(cfg.ReadFloatConfig(QStringLiteral("Zoom"), 0), 1.5);
    EXPECT_EQ(cfg.ReadCurrConfig(QStringLiteral("Troco"), {}).Raw(), 5000);
    EXPECT_EQ(cfg.ReadDateConfig(QStringLiteral("Dia"), 0), Dia(2024, 3, 5));
    EXPECT_EQ(cfg.ReadDateTimeConfig(QStringLiteral("Quando"), 0), Dia(2024, 3, 5) + Hora(1, 2, 3));
}

// ---- construction, encodings and the stray mark ----

TEST(TmConfigLista, ListIsCopiedAndLosesAStrayMark) {
    QStringList original = Doc({"\xC3\xAF\xC2\xBB\xC2\xBF[Config]", "A=1"});  // "ï»¿[Config]"
    TmConfig cfg(original);
    original.clear();
    EXPECT_EQ(cfg.Lista(), Doc({"[Config]", "A=1"}));
    EXPECT_EQ(cfg.TotalLinhas(), 2);
    EXPECT_TRUE(cfg.Arquivo().isEmpty());
    const TmConfig curta(Doc({"\xC3\xAF\xC2\xBB\xC2\xBF"}));  // three characters stay
    EXPECT_EQ(curta.Lista().first().size(), 3);
}

TEST_F(Arquivos, EncodingIsTakenFromTheMarkAndKeptOnSaving) {
    const struct {
        const char* nome;
        QByteArray bytes;
        QStringList linhas;
        QByteArray salvo;  // after adding "B=ç" to [A]
    } casos[] = {
        {"sem marca: Windows-1252, CR LF, CR and LF", QByteArray("[A]\r\nx=\xE7\x80\rz\n"),
         Doc({"[A]", "x=ç€", "z"}), QByteArray("[A]\r\nx=\xE7\x80\r\nz\r\nB=\xE7\r\n")},
        {"UTF-8", QByteArray("\xEF\xBB\xBF[A]\nx=\xC3\xA7"), Doc({"[A]", "x=ç"}),
         QByteArray("\xEF\xBB\xBF[A]\r\nx=\xC3\xA7\r\nB=\xC3\xA7\r\n")},
        {"UTF-16 LE", QByteArray("\xFF\xFE[\0A\0]\0\n\0", 10), Doc({"[A]"}),
         QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0B\0=\0\xE7\0\r\0\n\0", 22)},
        {"UTF-16 BE", QByteArray("\xFE\xFF\0[\0A\0]", 8), Doc({"[A]"}),
         QByteArray("\xFE\xFF\0[\0A\0]\0\r\0\n\0B\0=\0\xE7\0\r\0\n", 22)},
        {"UTF-8, a second mark is text (and no header)",
         QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[A]\r\n"),
         {QChar(0xFEFF) + QStringLiteral("[A]")},
         QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[A]\r\n\r\n[A]\r\nB=\xC3\xA7\r\n")},
        {"empty file", QByteArray(), Doc({}), QByteArray("[A]\r\nB=\xE7\r\n")},
    };
    for (const auto& c : casos) {
        const QString caminho = Caminho("c.ini");
        Escrever(caminho, c.bytes);
        {
            TmConfig cfg(caminho, true);
            EXPECT_EQ(cfg.Lista(), c.linhas) << c.nome;
            EXPECT_EQ(cfg.TotalLinhas(), c.linhas.size()) << c.nome;
            cfg.WriteString(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("ç"));
        }
        EXPECT_EQ(Ler(caminho), c.salvo) << c.nome;
    }
}

TEST_F(Arquivos, StrayMarkOfAWindows1252FileIsDroppedOnLoadAndSave) {
    const QString caminho = Caminho("c.ini");
    Escrever(caminho, "\xEF\xBB[A]\r\n");  // not a full mark: plain text
    EXPECT_EQ(TmConfig(caminho, true).Lista(), QStringList{QStringLiteral("ï»[A]")});
    Escrever(caminho, "\xEF\xBB\xBF");
    {
        TmConfig cfg(caminho, TCodificacao::Ansi);
        EXPECT_EQ(cfg.Lista(), QStringList{QStringLiteral("ï»¿")});  // three characters stay
    }
    Escrever(caminho, "\xEF\xBB\xBF[A]\r\nx=1\r\n");
    {
        TmConfig cfg(caminho, TCodificacao::Ansi);
        EXPECT_EQ(cfg.Lista(), Doc({"[A]", "x=1"}));
        cfg.SetModificado(true);
    }
    EXPECT_EQ(Ler(caminho), QByteArray("[A]\r\nx=1\r\n"));
}

TEST_F(Arquivos, EncodingConstructorReadsAndWritesInTheGivenEncoding) {
    const QString caminho = Caminho("c.ini");
    Escrever(caminho, "\xEF\xBB\xBF[A]\r\nx=\xC3\xA7\r\n");
    {
        TmConfig cfg(caminho, TCodificacao::Utf8);
        EXPECT_EQ(cfg.Lista(), Doc({"[A]", "x=ç"}));
    }
    Escrever(caminho, "[A]\r\nx=\xC3\xA7\r\n");  // no mark: still UTF-8
    {
        TmConfig cfg(caminho, TCodificacao::Utf8);
        EXPECT_EQ(cfg.Lista(), Doc({"[A]", "x=ç"}));
        cfg.SetModificado(true);
    }
    EXPECT_EQ(Ler(caminho), QByteArray("\xEF\xBB\xBF[A]\r\nx=\xC3\xA7\r\n"));
    // A mark of another encoding is text.
    Escrever(caminho, QByteArray("\xFF\xFE[\0", 4));
    EXPECT_EQ(TmConfig(caminho, TCodificacao::Utf16BE).Lista().first(),
              QString(QChar(0xFFFE)) + QChar(0x5B00));

    // A document never read from a file is written in Windows-1252, without a mark.
    const QString novo = Caminho("novo.ini");
    TmConfig(novo, TCodificacao::Utf16LE)
        .WriteStringConfig(QStringLiteral("A"), QStringLiteral("ç"));
    EXPECT_EQ(Ler(novo), QByteArray("[Config]\r\nA=\xE7\r\n"));
}

// Objects opened on the same bytes share one decoding; each one's changes stay its own, and
// new bytes on disk (even of the same size) are decoded again.
TEST_F(Arquivos, OpeningTheSameFileAgainSeesItsCurrentContent) {
    const QString caminho = Caminho("c.ini");
    Escrever(caminho, "[Config]\r\nA=1\r\n");
    TmConfig primeiro(caminho, true);
    TmConfig segundo(caminho, true);
    primeiro.WriteStringConfig(QStringLiteral("A"), QStringLiteral("2"));
    EXPECT_EQ(segundo.ReadStringConfig(QStringLiteral("A"), {}), QStringLiteral("1"));
    EXPECT_EQ(TmConfig(caminho, true).ReadStringConfig(QStringLiteral("A"), {}),
              QStringLiteral("1"));
    Escrever(caminho, "[Config]\r\nA=3\r\n");
    EXPECT_EQ(TmConfig(caminho, true).ReadStringConfig(QStringLiteral("A"), {}),
              QStringLiteral("3"));
    EXPECT_EQ(TmConfig(caminho, TCodificacao::Utf16LE).Lista().size(), 1);  // other decoding
    primeiro.SetModificado(false);
}

// ---- saving ----

TEST_F(Arquivos, SavingHappensOnlyAfterAChange) {
    const QString caminho = Caminho("c.ini");
    TmConfig(caminho, true).Flush();
    EXPECT_FALSE(QFile::exists(caminho));

    {
        TmConfig cfg(caminho, true);
        cfg.WriteIntegerConfig(QStringLiteral("Porta"), 22334);
        cfg.Flush();
        EXPECT_FALSE(cfg.Modificado());
        EXPECT_EQ(Ler(caminho), QByteArray("[Config]\r\nPorta=22334\r\n"));
        cfg.WriteLinha(QStringLiteral("; solta"));  // reaches the file only with a change
    }
    EXPECT_EQ(Ler(caminho), QByteArray("[Config]\r\nPorta=22334\r\n"));

    {
        TmConfig cfg(caminho, true);
        EXPECT_EQ(cfg.TotalLinhas(), 2);
        cfg.WriteLinha(QStringLiteral("; solta"));
        cfg.EraseSection(QStringLiteral("Nenhuma"));
        cfg.DeleteKey(QStringLiteral("Config"), QStringLiteral("Nenhuma"));
        const QString copia = Caminho("copia.ini");
        cfg.SaveCopyTo(copia);
        EXPECT_FALSE(cfg.Modificado());
        EXPECT_EQ(Ler(copia), QByteArray("[Config]\r\nPorta=22334\r\n; solta\r\n"));
    }
    EXPECT_EQ(Ler(caminho), QByteArray("[Config]\r\nPorta=22334\r\n"));

    {
        TmConfig cfg(caminho, false);  // not loaded: the save replaces the file
        EXPECT_TRUE(cfg.Lista().isEmpty());
        cfg.WriteStringConfig(QStringLiteral("A"), QStringLiteral("1"));
    }
    EXPECT_EQ(Ler(caminho), QByteArray("[Config]\r\nA=1\r\n"));
}

TEST_F(Arquivos, LineBreaksInsideALineAreWrittenAsBlanks) {
    const QString caminho = Caminho("c.ini");
    {
        TmConfig cfg(caminho, true);
        cfg.WriteStringConfig(QStringLiteral("Msg"), QStringLiteral("a\r\n[Rede]\rb\nc"));
    }
    TmConfig cfg(caminho, true);
    EXPECT_EQ(cfg.Lista(), Doc({"[Config]", "Msg=a  [Rede] b c"}));
}

TEST_F(Arquivos, SaveFailuresReachTheCallerAndKeepTheChangePending) {
    const QString semPasta = Caminho("falta/c.ini");
    TmConfig cfg(semPasta, true);
    cfg.WriteIntegerConfig(QStringLiteral("Porta"), 1);
    EXPECT_THROW(cfg.Flush(), EInOutError);
    EXPECT_TRUE(cfg.Modificado());
    EXPECT_THROW(cfg.SaveCopyTo(Caminho("outra/c.ini")), EInOutError);
    EXPECT_FALSE(QDir(Caminho("falta")).exists());

    TmConfig lista(Doc({"[A]"}));
    lista.SetModificado(true);
    EXPECT_THROW(lista.Flush(), EInOutError);
    EXPECT_TRUE(lista.Modificado());
    // The destructors of both ignore the failure.
}

TEST_F(Arquivos, AReadOnlyFileIsNotReplaced) {
    const QString caminho = Caminho("c.ini");
    Escrever(caminho, "[Config]\r\nA=1\r\n");
    ASSERT_TRUE(QFile::setPermissions(caminho, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    {
        TmConfig cfg(caminho, true);
        cfg.WriteStringConfig(QStringLiteral("A"), QStringLiteral("2"));
        try {
            cfg.Flush();
            ADD_FAILURE() << "a read-only file was saved";
        } catch (const EInOutError& e) {
            EXPECT_TRUE(e.Mensagem().contains(caminho)) << e.what();
        }
        EXPECT_TRUE(cfg.Modificado());
    }
    EXPECT_EQ(Ler(caminho), QByteArray("[Config]\r\nA=1\r\n"));
}

// Runs corpo in a child process with a mount namespace of its own, inside a user namespace as
// `unshare -rm` does, so that it works for a user without privileges and for root alike. Its exit
// status; nothing where the system does not permit the namespaces or the mounts.
constexpr int kSemNamespace = 77;
std::optional<int> EmNamespaceDeMontagem(const std::function<int()>& corpo) {
    const std::string uid = "0 " + std::to_string(getuid()) + " 1";
    const std::string gid = "0 " + std::to_string(getgid()) + " 1";
    const pid_t filho = fork();
    if (filho == 0) {
        auto escrever = [](const char* arquivo, const std::string& texto) {
            const int fd = open(arquivo, O_WRONLY);
            const bool ok =
                fd >= 0 && write(fd, texto.data(), texto.size()) == ssize_t(texto.size());
            if (fd >= 0)
                close(fd);
            return ok;
        };
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
            !escrever("/proc/self/setgroups", "deny") || !escrever("/proc/self/uid_map", uid) ||
            !escrever("/proc/self/gid_map", gid) ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            _exit(kSemNamespace);
        _exit(corpo());
    }
    int estado = 0;
    if (filho < 0 || waitpid(filho, &estado, 0) != filho || !WIFEXITED(estado))
        return -1;
    if (WEXITSTATUS(estado) == kSemNamespace)
        return std::nullopt;
    return WEXITSTATUS(estado);
}

bool MontarSobreSi(const QString& caminho, unsigned long opcoes) {
    const QByteArray c = QFile::encodeName(caminho);
    return mount(c.constData(), c.constData(), nullptr, opcoes, nullptr) == 0;
}

// Mounts the folder over itself read-only; what is mounted inside it keeps its own mode. The
// flags a user namespace may not drop (nosuid, nodev...) are kept as they are.
bool PastaSomenteLeitura(const QString& pasta) {
    struct statvfs atual {};
    const QByteArray c = QFile::encodeName(pasta);
    if (!MontarSobreSi(pasta, MS_BIND | MS_REC) || statvfs(c.constData(), &atual) != 0)
        return false;
    unsigned long opcoes = MS_REMOUNT | MS_BIND | MS_RDONLY;
    for (const auto& [st, ms] :
         {std::pair(ST_NOSUID, MS_NOSUID), std::pair(ST_NODEV, MS_NODEV),
          std::pair(ST_NOEXEC, MS_NOEXEC), std::pair(ST_NOATIME, MS_NOATIME),
          std::pair(ST_NODIRATIME, MS_NODIRATIME), std::pair(ST_RELATIME, MS_RELATIME)})
        if (atual.f_flag & st)
            opcoes |= ms;
    return mount(nullptr, c.constData(), nullptr, opcoes, nullptr) == 0;
}

// Where the folder takes no new file or the file cannot be replaced by a rename, a writable file
// is rewritten in place: the settings page saves in its destructor, which cannot report a
// failure. Where the file itself is not writable, or the space it needs is not there, the
// caller of Flush sees the failure and the old file stays whole.
TEST_F(Arquivos, WhereOnlyTheFolderIsInTheWayTheFileIsRewrittenInPlace) {
    enum Resultado { kComoEsperado, kFalhou, kGravou, kModificadoErrado };
    const struct {
        const char* nome;
        bool arquivoMontado;  // the file mounted writable over itself
        bool pastaSomenteLeitura;
        rlim_t limite;  // file size limit of the process, 0 for none
        bool peloDestrutor;
        bool grava;
    } casos[] = {
        {"read-only folder, writable file, saved by the destructor", true, true, 0, true, true},
        {"file a mount point in a writable folder: no rename over it", true, false, 0, false, true},
        {"read-only folder and file", false, true, 0, false, false},
        {"read-only folder, writable file, new content beyond the size limit", true, true, 1024,
         false, false},
    };
    const QByteArray antes("[Config]\r\nA=1\r\n");
    const QString valor(4096, QLatin1Char('x'));
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        const auto& c = casos[i];
        const QString pasta = Caminho(std::to_string(i).c_str());
        const QString arquivo = pasta + QStringLiteral("/c.ini");
        ASSERT_TRUE(QDir().mkdir(pasta));
        Escrever(arquivo, antes);
        const std::optional<int> resultado = EmNamespaceDeMontagem([&] {
            if ((c.arquivoMontado && !MontarSobreSi(arquivo, MS_BIND)) ||
                (c.pastaSomenteLeitura && !PastaSomenteLeitura(pasta)))
                return kSemNamespace;
            if (c.limite) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limite{c.limite, c.limite};
                setrlimit(RLIMIT_FSIZE, &limite);
            }
            TmConfig cfg(arquivo, true);
            cfg.WriteStringConfig(QStringLiteral("A"), valor);
            if (c.peloDestrutor)
                return int(kComoEsperado);
            try {
                cfg.Flush();
            } catch (const EInOutError&) {
                return int(c.grava            ? kFalhou
                           : cfg.Modificado() ? kComoEsperado
                                              : kModificadoErrado);
            }
            return int(c.grava ? kComoEsperado : kGravou);
        });
        if (!resultado)
            GTEST_SKIP() << "mount namespaces are not permitted here (unshare -rm): the saves "
                            "beside a read-only folder are not checked";
        EXPECT_EQ(*resultado, kComoEsperado) << c.nome;
        EXPECT_EQ(Ler(arquivo), c.grava ? "[Config]\r\nA=" + valor.toLatin1() + "\r\n" : antes)
            << c.nome;
        EXPECT_EQ(SemTrava(QDir(pasta).entryList(QDir::Files | QDir::Hidden)), QStringList{"c.ini"})
            << c.nome;
    }
}

TEST_F(Arquivos, SavingKeepsTheFilesPermissions) {
    const QString caminho = Caminho("c.ini");
    Escrever(caminho, "[Config]\r\n");
    const auto permissoes =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(caminho, permissoes));
    TmConfig(caminho, true).WriteStringConfig(QStringLiteral("A"), QStringLiteral("1"));
    EXPECT_EQ(Ler(caminho), QByteArray("[Config]\r\nA=1\r\n"));
    EXPECT_EQ(QFile::permissions(caminho) & 0x7077, permissoes & 0x7077);
}

// A write that fails part way (here: the file size limit of the process, which holds for every
// user) leaves the previous file whole and no temporary file behind.
TEST_F(Arquivos, AFailedSaveLeavesThePreviousFileWhole) {
    const QString caminho = Caminho("c.ini");
    const QByteArray antes("[Config]\r\nA=1\r\n");
    Escrever(caminho, antes);
    TmConfig cfg(caminho, true);
    cfg.WriteStringConfig(QStringLiteral("Longo"), QString(4096, QLatin1Char('x')));

    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit pequeno = limite;
    pequeno.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    EXPECT_THROW(cfg.Flush(), EInOutError);
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, sinal);

    EXPECT_TRUE(cfg.Modificado());
    EXPECT_EQ(Ler(caminho), antes);
    EXPECT_EQ(SemTrava(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden)),
              QStringList{"c.ini"});
    cfg.Flush();  // the limit gone, the same document saves
    EXPECT_TRUE(Ler(caminho).contains("Longo=xxxx"));
}

TEST_F(Arquivos, AFileThatCannotBeReadFailsTheConstructor) {
    const QString pasta = Caminho("c.ini");
    ASSERT_TRUE(QDir().mkdir(pasta));  // exists, but is no readable file
    try {
        TmConfig cfg(pasta, true);
        ADD_FAILURE() << "constructed on an unreadable file";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Mensagem().contains(pasta)) << e.what();
    }
    EXPECT_THROW(TmConfig(pasta, TCodificacao::Utf8), EInOutError);
    EXPECT_NO_THROW(TmConfig(pasta, false));  // not read at all
}

TEST(TmConfigNome, DefaultFileNameIsTheProgramsWithIni) {
    const QString programa = QCoreApplication::applicationFilePath();
    EXPECT_EQ(TmConfig::GetFileNameDefault(), programa + QStringLiteral(".ini"));  // no extension
}

}  // namespace

// ---- the encoding of a file without a mark ----

namespace {

// A file without a mark is UTF-8 when its bytes are (as a Linux editor saves it), else
// Windows-1252, and is written back in the encoding it was read in; plain ASCII is written as a
// new file is.
TEST_F(Arquivos, AFileWithoutAMarkIsReadAndWrittenBackInTheEncodingOfItsBytes) {
    const struct {
        const char* nome;
        QByteArray antes;
        const char* lido;
        QByteArray depois;
    } casos[] = {
        {"UTF-8 of a Linux editor", "[Config]\nMsg=Promo\xC3\xA7\xC3\xA3o\n", "Promoção",
         "[Config]\r\nMsg=Promo\xC3\xA7\xC3\xA3o\r\nNova=A\xC3\xA7\xC3\xA3o \xE2\x82\xAC\r\n"},
        {"Windows-1252", "[Config]\r\nMsg=Promo\xE7\xE3o\r\n", "Promoção",
         "[Config]\r\nMsg=Promo\xE7\xE3o\r\nNova=A\xE7\xE3o \x80\r\n"},
        {"ASCII", "[Config]\r\nMsg=Promocao\r\n", "Promocao",
         "[Config]\r\nMsg=Promocao\r\nNova=A\xE7\xE3o \x80\r\n"},
    };
    const QString caminho = Caminho("Orvane.crv");
    for (const auto& c : casos) {
        Escrever(caminho, c.antes);
        {
            TmConfig cfg(caminho, true);
            EXPECT_EQ(cfg.ReadStringConfig(QStringLiteral("Msg"), {}), QString::fromUtf8(c.lido))
                << c.nome;
            cfg.WriteStringConfig(QStringLiteral("Nova"), QStringLiteral("Ação €"));
        }
        EXPECT_EQ(Ler(caminho), c.depois) << c.nome;
    }
}

}  // namespace

// ---- other writers of the file ----

namespace {

class OutrosGravadores : public ::testing::Test {
protected:
    QString Arquivo() const { return dir_.filePath(QStringLiteral("Orvane.crv")); }
    QTemporaryDir dir_;
};

// A save reads the file again and applies to it only what this object changed: what another
// writer saved since this object was opened stays, and a key both changed takes this object's
// value (the last writer's).
TEST_F(OutrosGravadores, ASaveKeepsWhatAnotherWriterSavedMeanwhile) {
    Escrever(Arquivo(), "[Config]\r\nPorta=1\r\nMonitor=1\r\nApagar=1\r\n\r\n[Rede]\r\nIp=a\r\n");
    TmConfig tela(Arquivo(), true);
    {
        TmConfig caixa(Arquivo(), true);
        caixa.WriteStringConfig(QStringLiteral("Monitor"), QStringLiteral("2"));
        caixa.WriteStringConfig(QStringLiteral("Caixa"), QStringLiteral("9"));
        caixa.WriteString(QStringLiteral("Rede"), QStringLiteral("Ip"), QStringLiteral("b"));
        caixa.WriteString(QStringLiteral("Nova"), QStringLiteral("X"), QStringLiteral("1"));
    }
    tela.WriteStringConfig(QStringLiteral("Porta"), QStringLiteral("5"));
    tela.WriteStringConfig(QStringLiteral("Monitor"), QStringLiteral("3"));
    tela.DeleteKey(QStringLiteral("Config"), QStringLiteral("Apagar"));
    tela.WriteLinha(QStringLiteral("; fim"));
    tela.Flush();
    const QStringList esperadas = Doc({"[Config]", "Porta=5", "Monitor=3", "Caixa=9", "", "[Rede]",
                                       "Ip=b", "", "[Nova]", "X=1", "; fim"});
    EXPECT_EQ(Texto(TmConfig(Arquivo(), true).Lista()), Texto(esperadas));
    EXPECT_EQ(Texto(tela.Lista()), Texto(esperadas));  // the object holds what it saved
}

// A document opened on a file that did not exist yet merges with the file saved since; one
// opened without loading replaces the file, as it was asked to.
TEST_F(OutrosGravadores, OnlyADocumentThatWasLoadedMerges) {
    TmConfig tela(Arquivo(), true);
    TmConfig novo(Arquivo(), false);
    TmConfig(Arquivo(), true).WriteStringConfig(QStringLiteral("A"), QStringLiteral("1"));
    tela.WriteStringConfig(QStringLiteral("B"), QStringLiteral("2"));
    tela.Flush();
    EXPECT_EQ(Texto(TmConfig(Arquivo(), true).Lista()), Texto(Doc({"[Config]", "A=1", "B=2"})));
    novo.WriteStringConfig(QStringLiteral("C"), QStringLiteral("3"));
    novo.Flush();
    EXPECT_EQ(Texto(TmConfig(Arquivo(), true).Lista()), Texto(Doc({"[Config]", "C=3"})));
}

// The save takes the lock the file's other writers take (flock on "<file>.lock"): while one
// holds it the save waits, and then it reads the file that writer left.
TEST_F(OutrosGravadores, ASaveWaitsForTheLockAndReadsTheFileUnderIt) {
    Escrever(Arquivo(), "[Config]\r\nA=1\r\n");
    TmConfig tela(Arquivo(), true);
    tela.WriteStringConfig(QStringLiteral("B"), QStringLiteral("2"));
    const QByteArray nomeTrava = QFile::encodeName(Arquivo() + QStringLiteral(".lock"));
    const int trava = ::open(nomeTrava.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(trava, 0);
    ASSERT_EQ(::flock(trava, LOCK_EX), 0);
    auto salvar = std::async(std::launch::async, [&tela] { tela.Flush(); });
    EXPECT_EQ(salvar.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout)
        << "saved while another writer held the lock";
    Escrever(Arquivo(), "[Config]\r\nA=1\r\nC=3\r\n");
    ::flock(trava, LOCK_UN);
    ::close(trava);
    salvar.get();
    EXPECT_EQ(Texto(TmConfig(Arquivo(), true).Lista()),
              Texto(Doc({"[Config]", "A=1", "C=3", "B=2"})));
}

// The display's settings page saving again and again (open, change, free) while another program
// writes keys through the static access: neither loses the other's keys.
TEST_F(OutrosGravadores, ThePageAndAProgramOfStaticAccessKeepEachOthersKeys) {
    constexpr int kVezes = 300;
    QProcess caixa;
    caixa.start(QStringLiteral(CLIENTE_INI), {QStringLiteral("gravar"), Arquivo(),
                                              QStringLiteral("Caixa"), QString::number(kVezes)});
    ASSERT_TRUE(caixa.waitForStarted(30000));
    int porta = 0;
    for (; porta < kVezes || !caixa.waitForFinished(0); ++porta) {
        TmConfig pagina(Arquivo(), true);
        pagina.WriteIntegerConfig(QStringLiteral("Porta"), porta);
        pagina.WriteBoolConfig(QStringLiteral("Ativa"), true);
    }
    ASSERT_TRUE(caixa.state() == QProcess::NotRunning || caixa.waitForFinished(900000));
    ASSERT_EQ(caixa.exitCode(), 0) << caixa.readAllStandardError().data();

    const TmConfig lido(Arquivo(), true);
    EXPECT_EQ(lido.ReadIntegerConfig(QStringLiteral("Porta"), -1), porta - 1);
    QStringList presentes, esperadas;
    lido.ReadSectionValues(QStringLiteral("Chaves"), presentes);
    for (int i = 0; i < kVezes; i += 2)
        esperadas.append(QStringLiteral("Caixa%1=%1").arg(i));
    esperadas.append(QStringLiteral("CaixaUltimo=%1").arg(kVezes - 1));
    presentes.sort();
    esperadas.sort();
    EXPECT_EQ(presentes, esperadas);
}

}  // namespace
