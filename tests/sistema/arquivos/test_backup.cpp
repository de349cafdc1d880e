// Backup rotation, embedded files, folder checks and the dialogs asked of the installed chooser.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QUrl>

#include "base/EInOutError.h"
#include "base/Relogio.h"
#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileBackup.h"
#include "sistema/arquivos/TmFileDialogos.h"
#include "support/RaizTemporaria.h"

namespace {

class Backup : public TesteArquivos {
protected:
    // The contents of dados.001 ... dados.004, "-" for a missing copy.
    QByteArray Copias() const {
        QByteArray copias;
        for (int k = 1; k <= 4; ++k)
            copias += Ler(QString("b/dados.%1").arg(k, 3, 10, QChar('0')));
        return copias;
    }
};

TEST_F(Backup, RotationTable) {
    struct Caso {
        int presentes;  // copies 1..n hold "1".."n"
        int maximo;
        const char* copias;  // dados.001..004 afterwards; "A" is the file
        bool arquivoFica;
    };
    const Caso casos[] = {
        {0, 0, "A---", false}, {1, 0, "1---", true},  {3, 0, "123-", true},
        {0, 1, "A---", false}, {1, 1, "A---", false}, {3, 1, "A23-", false},
        {0, 3, "A---", false}, {1, 3, "A1--", false}, {3, 3, "A12-", false},
    };
    for (const Caso& c : casos) {
        QDir(p("b")).removeRecursively();
        raiz.Criar("b/dados.fdb", "A");
        for (int k = 1; k <= c.presentes; ++k)
            raiz.Criar(QString("b/dados.%1").arg(k, 3, 10, QChar('0')), QByteArray::number(k));
        mFile::GerenciaBackup(p("b"), "dados.fdb", c.maximo);
        EXPECT_EQ(Copias(), QByteArray(c.copias)) << c.presentes << " " << c.maximo;
        EXPECT_EQ(QFile::exists(p("b/dados.fdb")), c.arquivoFica) << c.presentes << " " << c.maximo;
    }
}

TEST_F(Backup, EmbeddedFileIsWrittenKeepingTheOldOne) {
    const QByteArray embutido = "conteudo embutido\n";
    raiz.Criar("d1/ferramenta.exe", "velha");
    ASSERT_TRUE(mFile::ExtraiArquivoExe("RCDATA", "ferramenta.bin", "ferramenta.exe",
                                        TcrvArrayString{p("d1"), "", p("d2/novo")}, true, true));
    EXPECT_EQ(Ler("d1/ferramenta.exe"), embutido);
    EXPECT_EQ(Ler("d1/ferramenta.old"), "velha");
    EXPECT_EQ(Ler("d2/novo/ferramenta.exe"), embutido);
    raiz.Criar("d3/ferramenta.exe", "fica");
    mFile::ExtraiArquivoExe("RCDATA", "ferramenta.bin", "ferramenta.exe", p("d3"), false);
    EXPECT_EQ(Ler("d3/ferramenta.exe"), "fica");
    EXPECT_THROW(mFile::ExtraiArquivoExe("RCDATA", "nada", "x", p("d1"), true), EInOutError);
    // A folder that cannot be made: raised only when asked.
    const QString sobArquivo = raiz.Criar("arquivo") + "/sub";
    EXPECT_TRUE(mFile::ExtraiArquivoExe("RCDATA", "ferramenta.bin", "f", sobArquivo, true));
    EXPECT_THROW(mFile::ExtraiArquivoExe("RCDATA", "ferramenta.bin", "f",
                                         TcrvArrayString{sobArquivo}, true, true),
                 EInOutError);
}

TEST_F(Backup, FolderCheckReportsEachProblemOnItsLine) {
    Relogio::Fixar(DataHora::FromQDateTime(QDateTime(QDate(2024, 2, 3), QTime(4, 5, 6))));
    QDir().mkpath(p("boa"));
    const QString sobArquivo = raiz.Criar("arquivo") + "/sub";
    QString msg = "velha";
    EXPECT_TRUE(mFile::VerificarPermissaoPasta({p("boa"), p("nova")}, msg, true));
    EXPECT_EQ(msg, "");
    EXPECT_TRUE(QDir(p("boa")).isEmpty());
    EXPECT_FALSE(mFile::VerificarPermissaoPasta({p("falta"), p("boa"), sobArquivo}, msg));
    EXPECT_EQ(msg, "Diretório \"" + p("falta") + "\" não existe.\rDiretório \"" + sobArquivo +
                       "\" não existe.");
    EXPECT_FALSE(mFile::VerificarPermissaoPasta({sobArquivo}, msg, true));
    EXPECT_EQ(msg, "Diretório \"" + sobArquivo + "\" não existe e não pode ser criado.");
    Relogio::Liberar();
}

class SeletorRoteiro : public TSeletorArquivos {
public:
    QString resposta;
    QStringList pedidos;
    QString EscolherPasta(const QString& titulo, const QString& inicial) override {
        pedidos << titulo << inicial;
        return resposta;
    }
    QString EscolherArquivo(const QString& titulo, const QString& filtro, const QString& pasta,
                            const QString& arquivo) override {
        pedidos << titulo << filtro << pasta << arquivo;
        return resposta;
    }
};

TEST_F(Backup, DialogsGoToTheInstalledChooser) {
    EXPECT_EQ(mFile::GetPastaDef("C:\\dados\\"), "C:\\dados");  // nobody to ask: cancelled
    auto seletor = std::make_shared<SeletorRoteiro>();
    mFile::InstalarSeletorArquivos(seletor);
    raiz.Criar("x/nota.xml");
    EXPECT_EQ(mFile::SelecionaArquivo("*.xml", "C:\\X\\NOTA.XML"), "");
    EXPECT_EQ(seletor->pedidos,
              QStringList({"Abrir arquivo (*.xml)", "*.xml", p("x"), "nota.xml"}));
    seletor->resposta = p("x");
    EXPECT_EQ(mFile::GetPastaDef("C:\\dados\\"), p("x/"));
    EXPECT_EQ(mFile::GetPasta(), p("x"));
    EXPECT_EQ(seletor->pedidos.mid(4),
              QStringList({"Selecione uma pasta", p("dados"), "Selecione uma pasta", ""}));
    mFile::InstalarSeletorArquivos(nullptr);
}

TEST_F(Backup, ShowInFolderFallsBackToXdgOpenWithAFileUrl) {
    // No session bus, and an xdg-open that writes down its arguments.
    const VariavelTemporaria semBarramento("DBUS_SESSION_BUS_ADDRESS",
                                           "unix:path=" + p("nada").toUtf8());
    const QString registro = p("argumentos");
    raiz.Criar("bin/xdg-open", "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > " +
                                   registro.toUtf8() + ".tmp && mv " + registro.toUtf8() + ".tmp " +
                                   registro.toUtf8() + "\n");
    QFile::setPermissions(p("bin/xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    const VariavelTemporaria caminho("PATH", p("bin").toUtf8() + ":" + qgetenv("PATH"));
    raiz.Criar("-pasta com espaço/nota.xml");
    ASSERT_TRUE(mFile::OpenExplorerFileSelect(p("-pasta com espaço/nota.xml")));
    QDeadlineTimer prazo(10000);
    while (!QFile::exists(registro) && !prazo.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(
        Ler("argumentos"),
        QUrl::fromLocalFile(p("-pasta com espaço")).toString(QUrl::FullyEncoded).toUtf8() + "\n");
}

}  // namespace
