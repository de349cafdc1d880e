#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "Arquivos.h"
#include "base/EInOutError.h"
#include "base/Relogio.h"
#include "dialogos/mensagens/LogMensagens.h"
#include "registro/log/TGravaLogs.h"
#include "support/ComRegionais.h"
#include "support/RaizTemporaria.h"

namespace {

const QByteArray kSeparador = QByteArray(80, '-') + "\r\n";
const QByteArray kData = "2026/12/10 05:50:07";

// "linha 1" .. "linha n", each ended by CR LF.
QByteArray Linhas(int n) {
    QByteArray linhas;
    for (int i = 1; i <= n; ++i)
        linhas += "linha " + QByteArray::number(i) + "\r\n";
    return linhas;
}

// A log folder with the clock fixed.
class GravaLogs : public ::testing::Test {
protected:
    GravaLogs() {
        Relogio::Fixar(DataHora::FromQDateTime(QDateTime(QDate(2026, 12, 10), QTime(5, 50, 7))));
    }
    ~GravaLogs() override { Relogio::Liberar(); }

    QString Pasta() const { return dir_.path() + u'/'; }
    QString Log() const { return Pasta() + QStringLiteral("app.log"); }
    void Gravar(const QString& mensagem, int maximo) {
        TGravaLogs::Execute(nullptr, QStringLiteral("app.log"), mensagem, Pasta(), maximo);
    }

    QTemporaryDir dir_;
};

TEST_F(GravaLogs, KeepsTheNewestOldLinesUpToTheCapBelowTheNewEntry) {
    struct Caso {
        int presentes;  // -1: no file
        int maximo;
        int mantidas;
    };
    const Caso casos[] = {{-1, 10, 0},   {0, 10, 0},   {1, 10, 1}, {25, 10, 10},
                          {25, 25, 25},  {25, 26, 25}, {25, 0, 0}, {25, -1, 0},
                          {3, -1000, 0}, {0, -5, 0},   {10, 9, 9}};
    for (const Caso& c : casos) {
        QFile::remove(Log());
        if (c.presentes >= 0) {
            ASSERT_TRUE(Criar(Log(), Linhas(c.presentes)));
        }
        Gravar(QStringLiteral("nova"), c.maximo);
        EXPECT_EQ(Ler(Log()), kSeparador + kData + " - -> nova\r\n" + Linhas(c.mantidas))
            << c.presentes << " lines, cap " << c.maximo;
    }
}

TEST_F(GravaLogs, EntriesStackNewestFirstWithOriginAndMessageUnchanged) {
    QObject origem;
    origem.setObjectName(QStringLiteral("FormPrincipal"));
    TGravaLogs::Execute(&origem, QStringLiteral("app.log"), QStringLiteral("primeira"), Pasta(),
                        100);
    Relogio::Avancar(61'000);
    TGravaLogs::Execute(nullptr, QStringLiteral("app.log"), QStringLiteral("duas\nlinhas"), Pasta(),
                        100);
    EXPECT_EQ(Ler(Log()), kSeparador + "2026/12/10 05:51:08 - -> duas\nlinhas\r\n" + kSeparador +
                              kData + " - FormPrincipal-> primeira\r\n");
    // The message's lines count as lines of the log from then on.
    Gravar(QStringLiteral("terceira"), 3);
    EXPECT_EQ(Ler(Log()), kSeparador + "2026/12/10 05:51:08 - -> terceira\r\n" + kSeparador +
                              "2026/12/10 05:51:08 - -> duas\r\nlinhas\r\n");
}

TEST_F(GravaLogs, TheDateAndTimeTakeTheRegionalSeparators) {
    TFormatSettings s = TFormatSettings::Brasileiro();
    s.DateSeparator = u'-';
    s.TimeSeparator = u'.';
    ComRegionais regionais(s);
    Gravar(QStringLiteral("x"), 10);
    EXPECT_EQ(Ler(Log()), kSeparador + "2026-12-10 05.50.07 - -> x\r\n");
}

// Line breaks of every kind, and a CR LF or a character cut between two reads of the file.
TEST_F(GravaLogs, LinesEndAtEveryBreakAndAreWrittenBackWithCrLf) {
    const QByteArray longa(65535, 'a');  // its CR is the last byte of the first read
    const QByteArray utf8Longa = "\xEF\xBB\xBF" + QByteArray(65532, 'b') + "\xC3\xA9";  // é cut
    struct Caso {
        QByteArray antes;
        int maximo;
        QByteArray mantidas;
    };
    const Caso casos[] = {
        {"um\rdois\ntres\r\n\r\nquatro", 10, "um\r\ndois\r\ntres\r\n\r\nquatro\r\n"},
        {"um\r\n\n\rdois", 3, "um\r\n\r\n\r\n"},
        {"um\n", 10, "um\r\n"},
        {longa + "\r\nseguinte\r\n", 2, longa + "\r\nseguinte\r\n"},
        {longa + "\r\n\r\nseguinte\r\n", 2, longa + "\r\n\r\n"},
        {utf8Longa + "\r\nfim", 5, QByteArray(65532, 'b') + "\xC3\xA9\r\nfim\r\n"},
    };
    for (const Caso& c : casos) {
        ASSERT_TRUE(Criar(Log(), c.antes));
        Gravar(QStringLiteral("n"), c.maximo);
        const QByteArray marca = c.antes.startsWith("\xEF\xBB\xBF") ? "\xEF\xBB\xBF" : "";
        EXPECT_EQ(Ler(Log()), marca + kSeparador + kData + " - -> n\r\n" + c.mantidas)
            << c.antes.left(40).toStdString();
    }
}

// The log keeps the encoding of its mark; without one it is Windows-1252.
TEST_F(GravaLogs, KeepsTheEncodingOfItsMark) {
    const QString antiga = QStringLiteral("antiga ção €");
    const QString entrada =
        QString::fromLatin1(kSeparador + kData) + QStringLiteral(" - -> nova ação € Ω\r\n");
    struct Caso {
        QByteArray marca;
        QStringConverter::Encoding codificacao;
    };
    for (const Caso& c :
         {Caso{"\xEF\xBB\xBF", QStringConverter::Utf8}, Caso{"\xFF\xFE", QStringConverter::Utf16LE},
          Caso{"\xFE\xFF", QStringConverter::Utf16BE}}) {
        QStringEncoder codificar(c.codificacao);
        ASSERT_TRUE(Criar(Log(), c.marca + QByteArray(codificar(antiga + QStringLiteral("\r\n")))));
        Gravar(QStringLiteral("nova ação € Ω"), 10);
        EXPECT_EQ(Ler(Log()),
                  c.marca + QByteArray(codificar(entrada + antiga + QStringLiteral("\r\n"))))
            << c.marca.toHex().toStdString();
    }
    // Windows-1252: a character it lacks is written "?".
    ASSERT_TRUE(Criar(Log(), "antiga \xE7\xE3o \x80\r\n"));
    Gravar(QStringLiteral("nova ação € Ω"), 10);
    EXPECT_EQ(Ler(Log()),
              kSeparador + kData + " - -> nova a\xE7\xE3o \x80 ?\r\nantiga \xE7\xE3o \x80\r\n");
    QFile::remove(Log());
    Gravar(QStringLiteral("é"), 10);
    EXPECT_EQ(Ler(Log()), kSeparador + kData + " - -> \xE9\r\n");
}

// A stray log of 64 GB (sparse) at its cap: only its first lines are read, so the entry is
// written at once and the log is back to its cap.
TEST_F(GravaLogs, AHugeLogIsReadOnlyUpToTheCap) {
    ASSERT_TRUE(Criar(Log(), Linhas(50)));
    {
        QFile f(Log());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(qint64(64) << 30));
    }
    Gravar(QStringLiteral("nova"), 20);
    EXPECT_EQ(Ler(Log()), kSeparador + kData + " - -> nova\r\n" + Linhas(20));
}

TEST_F(GravaLogs, TheFolderIsAPrefixCreatedWithItsParents) {
    TGravaLogs::Execute(nullptr, QStringLiteral("app.log"), QStringLiteral("a"),
                        Pasta() + QStringLiteral("x/y/"), 5);
    EXPECT_EQ(Ler(Pasta() + QStringLiteral("x/y/app.log")), kSeparador + kData + " - -> a\r\n");
    // No separator is added: the folder's last name is the start of the file's.
    TGravaLogs::Execute(nullptr, QStringLiteral("app.log"), QStringLiteral("b"),
                        Pasta() + QStringLiteral("z"), 5);
    EXPECT_TRUE(QDir(Pasta() + QStringLiteral("z")).exists());
    EXPECT_EQ(Ler(Pasta() + QStringLiteral("zapp.log")), kSeparador + kData + " - -> b\r\n");
}

TEST_F(GravaLogs, AWindowsFolderOnDriveCIsMapped) {
    RaizTemporaria raiz;
    TGravaLogs::Execute(nullptr, QStringLiteral("App.log"), QStringLiteral("a"),
                        QStringLiteral("c:\\frente\\Logs\\"), 5);
    EXPECT_EQ(Ler(raiz.Caminho() + QStringLiteral("/frente/Logs/App.log")),
              kSeparador + kData + " - -> a\r\n");
}

TEST_F(GravaLogs, ABlankFolderIsTheProgramsOwn) {
    const QString nome =
        QStringLiteral("test_tgravalogs_%1.log").arg(QCoreApplication::applicationPid());
    const QString arquivo = QCoreApplication::applicationDirPath() + u'/' + nome;
    TGravaLogs::Execute(nullptr, nome, QStringLiteral("a"), QStringLiteral(" \t"), 5);
    EXPECT_EQ(Ler(arquivo), kSeparador + kData + " - -> a\r\n");
    QFile::remove(arquivo);
}

TEST_F(GravaLogs, AFolderOrLogThatCannotBeReachedRaisesAndChangesNothing) {
    ASSERT_TRUE(Criar(Log(), Linhas(3)));
    // A folder under a regular file cannot be created.
    EXPECT_THROW(TGravaLogs::Execute(nullptr, QStringLiteral("x.log"), QStringLiteral("a"),
                                     Log() + QStringLiteral("/sub/"), 5),
                 EInOutError);
    // A log that is a folder cannot be read.
    ASSERT_TRUE(QDir().mkpath(Pasta() + QStringLiteral("pasta.log")));
    try {
        TGravaLogs::Execute(nullptr, QStringLiteral("pasta.log"), QStringLiteral("a"), Pasta(), 5);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Mensagem().contains(QStringLiteral("pasta.log"))) << e.what();
    }
    EXPECT_EQ(Ler(Log()), Linhas(3));
    EXPECT_EQ(QDir(Pasta()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({QStringLiteral("app.log"), QStringLiteral("pasta.log")}));
}

// The dialogs' texts are not logged: the entry they are handed to writes nothing.
TEST_F(GravaLogs, TheDialogsEntryAndTheMailerLeaveEveryFileAlone) {
    ASSERT_TRUE(Criar(Log(), Linhas(3)));
    const QStringList doPrograma = QDir(QCoreApplication::applicationDirPath()).entryList();
    TGravaLogs::Instalar();
    LogMensagens::GravaLogMsg(QStringLiteral("texto de um diálogo"));
    LogMensagens::Instalar({});
    TGravaLogs::EnviaLogsEmail(Pasta(), QStringLiteral(".log"));
    EXPECT_EQ(Ler(Log()), Linhas(3));
    EXPECT_EQ(QDir(Pasta()).entryList(QDir::Files | QDir::Hidden),
              QStringList(QStringLiteral("app.log")));
    EXPECT_EQ(QDir(QCoreApplication::applicationDirPath()).entryList(), doPrograma);
}

}  // namespace

namespace {

// The old part kept is bounded in bytes as well as in lines, so that one entry costs the same
// whatever the log holds: at most 64 KiB of the file per line of the cap and 4 MiB in all. A line
// that ends past the bound is dropped with every line after it.
TEST_F(GravaLogs, ALineLongerThanTheBoundIsDroppedWithWhatFollows) {
    const QByteArray longa(1 << 20, 'x');
    const QByteArray media(70 * 1024, 'z');
    struct Caso {
        QByteArray antes;
        int maximo;
        QByteArray mantidas;
    };
    const Caso casos[] = {
        {longa + "\r\n", 1, ""},
        {longa, 1, ""},
        {"a\r\nb\r\n" + longa + "\r\nc\r\n", 10, "a\r\nb\r\n"},
        {"a\r\n" + media + "\r\n", 2, "a\r\n" + media + "\r\n"},  // the bound is per cap
        {QByteArray(5 << 20, 'y'), 1000, ""},                     // 4 MiB in all
    };
    for (const Caso& c : casos) {
        ASSERT_TRUE(Criar(Log(), c.antes));
        Gravar(QStringLiteral("n"), c.maximo);
        EXPECT_EQ(Ler(Log()), kSeparador + kData + " - -> n\r\n" + c.mantidas)
            << c.antes.size() << " bytes, cap " << c.maximo;
    }
}

// Without a mark the log is UTF-8 when its bytes are (and stays so), else Windows-1252.
TEST_F(GravaLogs, AnUnmarkedLogKeepsTheEncodingOfItsBytes) {
    const struct {
        QByteArray antes;
        QByteArray entrada;
    } casos[] = {
        {"antiga a\xC3\xA7\xC3\xA3o\r\n", "nova a\xC3\xA7\xC3\xA3o \xE2\x82\xAC"},
        {"antiga a\xE7\xE3o\r\n", "nova a\xE7\xE3o \x80"},
        {"antiga\r\n", "nova a\xE7\xE3o \x80"},
    };
    for (const auto& c : casos) {
        ASSERT_TRUE(Criar(Log(), c.antes));
        Gravar(QStringLiteral("nova ação €"), 10);
        EXPECT_EQ(Ler(Log()), kSeparador + kData + " - -> " + c.entrada + "\r\n" + c.antes)
            << c.antes.toStdString();
    }
}

// A link at the log's name is neither read nor written through: the entry is refused and the
// file it points to, or the missing one it names, stays as it was.
TEST_F(GravaLogs, ALinkAtTheLogsNameIsRefused) {
    const QString vitima = Pasta() + QStringLiteral("vitima");
    for (const bool existe : {true, false}) {
        QFile::remove(vitima);
        QFile::remove(Log());
        if (existe) {
            ASSERT_TRUE(Criar(vitima, Linhas(3)));
        }
        ASSERT_TRUE(QFile::link(vitima, Log()));
        EXPECT_THROW(Gravar(QStringLiteral("n"), 1), EInOutError) << existe;
        EXPECT_EQ(Ler(vitima), existe ? Linhas(3) : QByteArray("(sem arquivo)"));
        EXPECT_TRUE(QFileInfo(Log()).isSymLink());
    }
    // Nor is a FIFO there waited on.
    QFile::remove(Log());
    ASSERT_EQ(::mkfifo(QFile::encodeName(Log()).constData(), 0600), 0);
    EXPECT_THROW(Gravar(QStringLiteral("n"), 1), EInOutError);
}

}  // namespace
