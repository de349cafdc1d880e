#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "dialogos/mensagens/Aguarde.h"
#include "registro/atualizacao/ListaVersoes.h"
#include "registro/atualizacao/TmFileAtualizacao.h"
#include "sistema/ftp/ArquivoTeste.h"
#include "sistema/ftp/ServidorFtp.h"
#include "sistema/versao/TmFileVersao.h"
#include "support/BackEndRoteiro.h"

namespace {

const QString kRemota = QStringLiteral("/web/files/vestra/Externo/");

// A Windows program file built by the version tests: versao_normal is at 23.9.4.0, versao_nova
// at 23.10.0.0, sem_versao has no version.
QByteArray Programa(const char* fixture) {
    return ArquivoTeste::Ler(QStringLiteral(FIXTURES_PE "/%1.exe").arg(fixture));
}

std::string Texto(const QString& texto) {
    return texto.toStdString();
}

// An installation's program folder, its endpoint file (owner only) and the update server.
class Atualizacao : public ::testing::Test {
protected:
    Atualizacao() {
        configuracao_ = config_.filePath("Atualizacao.ini");
        ArquivoTeste::Gravar(configuracao_,
                             QStringLiteral("[FTP]\nHost=127.0.0.1\nPorta=%1\nUsuario=usuario\n"
                                            "Senha=senha\n")
                                 .arg(servidor_.Porta())
                                 .toUtf8());
        QFile::setPermissions(configuracao_, QFile::ReadOwner | QFile::WriteOwner);
    }

    QString Local(const QString& nome) const { return pasta_.filePath(nome); }
    // A local program file from a fixture, with the given permission bits.
    QString Instalar(const QString& nome, const char* fixture,
                     QFile::Permissions permissoes = QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ExeOwner | QFile::ReadGroup |
                                                     QFile::ExeGroup) {
        ArquivoTeste::Gravar(Local(nome), Programa(fixture));
        QFile::setPermissions(Local(nome), permissoes);
        return Local(nome);
    }
    void Publicar(const QString& nome, const QByteArray& conteudo) {
        servidor_.Publicar(kRemota + nome, conteudo);
    }
    void PublicarLista(const QByteArray& lista) { Publicar(QStringLiteral("Versoes.ini"), lista); }
    TAtualizacao Nova() const { return TAtualizacao(configuracao_, pasta_.path()); }
    // The files of the program folder, hidden ones included (a left-over temporary shows).
    QStringList Arquivos() const {
        return QDir(pasta_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TServidorFtp servidor_;
    QTemporaryDir pasta_;
    QTemporaryDir config_;
    QString configuracao_;
};

// A newer published version replaces the program, which keeps its superseded name; a current
// one stays with its line in the message; a missing file, one without a list entry and one
// without version are downloaded. The new file keeps the program's permission bits.
TEST_F(Atualizacao, ReplacesNewerKeepsCurrent) {
    const QString app = Instalar(QStringLiteral("app.exe"), "versao_normal");
    const QString atual = Instalar(QStringLiteral("atual.exe"), "versao_normal");
    const QString semLista = Instalar(QStringLiteral("semlista.exe"), "versao_normal");
    PublicarLista("app.exe=23.10.0.0\r\nATUAL.EXE = 23.9.4.0\r\nnovo.exe=1.0\r\n");
    for (const char* nome : {"app.exe", "atual.exe", "novo.exe", "semlista.exe"})
        Publicar(QString::fromLatin1(nome), Programa("versao_nova"));

    QString mensagem = QStringLiteral("resto");
    ASSERT_TRUE(Nova().GetExePorVersao({app, atual, Local("novo.exe"), semLista}, mensagem));
    EXPECT_EQ(Texto(mensagem), "\r-O arquivo atual.exe já possui a última versão");
    EXPECT_EQ(TmFile::GetVersaoArquivo(app), QStringLiteral("23.10.0.0"));
    EXPECT_EQ(ArquivoTeste::Ler(Local("app.23940")), Programa("versao_normal"));
    EXPECT_EQ(QFileInfo(app).permissions() & 0x0fff,
              QFileInfo(Local("app.23940")).permissions() & 0x0fff);
    EXPECT_TRUE(QFileInfo(app).isExecutable());
    EXPECT_EQ(ArquivoTeste::Ler(atual), Programa("versao_normal"));
    EXPECT_EQ(ArquivoTeste::Ler(Local("novo.exe")), Programa("versao_nova"));
    EXPECT_TRUE(QFileInfo(Local("novo.exe")).isExecutable());
    EXPECT_EQ(ArquivoTeste::Ler(semLista), Programa("versao_nova"));
    EXPECT_EQ(Arquivos(), (QStringList{"Versoes.ini", "app.23940", "app.exe", "atual.exe",
                                       "novo.exe", "semlista.23940", "semlista.exe"}));
    EXPECT_TRUE(QDir(Local("Temp")).isEmpty());
}

// A program without version gets a superseded name that never blocks the next update.
TEST_F(Atualizacao, EmptyVersionDoesNotBlockLaterUpdates) {
    const QString app = Instalar(QStringLiteral("app.exe"), "sem_versao");
    PublicarLista("app.exe=2.0\n");
    Publicar(QStringLiteral("app.exe"), Programa("sem_versao"));
    QString mensagem;
    for (int vez = 0; vez < 3; ++vez)
        ASSERT_TRUE(Nova().GetExePorVersao({app}, mensagem)) << vez;
    EXPECT_EQ(Arquivos().filter(QStringLiteral("anterior")).size(), 3);
    EXPECT_EQ(ArquivoTeste::Ler(app), Programa("sem_versao"));
}

// When the new file cannot take the program's name, the program gets its name back.
TEST_F(Atualizacao, RollsBackWhenTheFinalRenameFails) {
    const QString app = Instalar(QStringLiteral("app.exe"), "versao_normal");
    PublicarLista("app.exe=23.10.0.0\n");
    Publicar(QStringLiteral("app.exe"), Programa("versao_nova"));
    TAtualizacao atualizacao = Nova();
    atualizacao.Renomear = [](const QString& de, const QString& para) {
        return !QFileInfo(de).fileName().startsWith(u'.') && QFile::rename(de, para);
    };
    QString mensagem;
    try {
        atualizacao.GetExePorVersao({app}, mensagem);
        ADD_FAILURE();
    } catch (const EAtualizacao& e) {
        EXPECT_EQ(
            e.Mensagem(),
            QStringLiteral("Não possivel mover o arquivo app.exe para a pasta ") + pasta_.path());
    }
    EXPECT_EQ(ArquivoTeste::Ler(app), Programa("versao_normal"));
    EXPECT_EQ(Arquivos(), (QStringList{"Versoes.ini", "app.exe"}));
}

// A failure in the middle of the list stops the run: files before it stay updated, files after
// it untouched.
TEST_F(Atualizacao, StopsAtTheFirstFailure) {
    const QString a = Instalar(QStringLiteral("a.exe"), "versao_normal");
    const QString b = Instalar(QStringLiteral("b.exe"), "versao_normal");
    const QString c = Instalar(QStringLiteral("c.exe"), "versao_normal");
    PublicarLista("a.exe=24\nb.exe=24\nc.exe=24\n");
    Publicar(QStringLiteral("a.exe"), Programa("versao_nova"));
    Publicar(QStringLiteral("c.exe"), Programa("versao_nova"));
    QString mensagem;
    try {
        Nova().GetExePorVersao({a, b, c}, mensagem);
        ADD_FAILURE();
    } catch (const EAtualizacao& e) {
        EXPECT_TRUE(e.Mensagem().startsWith(
            QStringLiteral("Não possivel efetuar o download do arquivo b.exe (")))
            << e.what();
    }
    EXPECT_EQ(ArquivoTeste::Ler(a), Programa("versao_nova"));
    EXPECT_EQ(ArquivoTeste::Ler(b), Programa("versao_normal"));
    EXPECT_EQ(ArquivoTeste::Ler(c), Programa("versao_normal"));
    EXPECT_EQ(Arquivos(), (QStringList{"Versoes.ini", "a.23940", "a.exe", "b.exe", "c.exe"}));
}

// A SHA-256 in the list must match the download; lists without one still work.
TEST_F(Atualizacao, ChecksTheSha256WhenTheListGivesOne) {
    const QString app = Instalar(QStringLiteral("app.exe"), "versao_normal");
    Publicar(QStringLiteral("app.exe"), Programa("versao_nova"));
    const QByteArray certo =
        QCryptographicHash::hash(Programa("versao_nova"), QCryptographicHash::Sha256).toHex();
    PublicarLista("app.exe=23.10.0.0\napp.exe.sha256=" + QByteArray(64, '0') + "\n");
    QString mensagem;
    try {
        Nova().GetExePorVersao({app}, mensagem);
        ADD_FAILURE();
    } catch (const EAtualizacao& e) {
        EXPECT_EQ(Texto(e.Mensagem()),
                  "O arquivo app.exe baixado não confere com o sha256 da lista de versões");
    }
    EXPECT_EQ(ArquivoTeste::Ler(app), Programa("versao_normal"));
    EXPECT_TRUE(QDir(Local("Temp")).isEmpty());

    PublicarLista("app.exe=23.10.0.0\nAPP.EXE.SHA256=" + certo.toUpper() + "\n");
    ASSERT_TRUE(Nova().GetExePorVersao({app}, mensagem));
    EXPECT_EQ(ArquivoTeste::Ler(app), Programa("versao_nova"));
}

// The messages of the endpoint: a file others can read, a missing file, a refused login, a
// missing version list.
TEST_F(Atualizacao, EndpointAndListFailures) {
    const QString app = Instalar(QStringLiteral("app.exe"), "versao_normal");
    QString mensagem;
    const auto erro = [&](TAtualizacao atualizacao) {
        try {
            atualizacao.GetExePorVersao({app}, mensagem);
        } catch (const EAtualizacao& e) {
            return e.Mensagem();
        }
        return QString();
    };
    EXPECT_TRUE(erro(Nova()).startsWith(
        QStringLiteral("Não possivel efetuar o download do arquivo de versões (")));
    QFile::setPermissions(configuracao_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    EXPECT_TRUE(erro(Nova()).contains(QStringLiteral("chmod 600"))) << Texto(erro(Nova()));
    EXPECT_TRUE(erro(TAtualizacao(config_.filePath("ausente.ini"), pasta_.path()))
                    .contains(QStringLiteral("ausente.ini")));
    ArquivoTeste::Gravar(configuracao_, "Host=127.0.0.1\nUsuario=usuario\nSenha=errada\nPorta=" +
                                            QByteArray::number(servidor_.Porta()));
    QFile::setPermissions(configuracao_, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(erro(Nova()).startsWith(QStringLiteral("Erro ao conectar no ftp (")));
    QDir(Local("Temp")).removeRecursively();
    ArquivoTeste::Gravar(Local("Temp"), "um arquivo no lugar da pasta");
    EXPECT_EQ(
        Texto(erro(Nova())),
        Texto(
            QStringLiteral("Não foi possivel criar o diretório \"%1/Temp/\"").arg(pasta_.path())));
    EXPECT_EQ(ArquivoTeste::Ler(app), Programa("versao_normal"));
}

// A wait window that records what it was asked.
class TAguardeRegistro : public TAguardeBackEnd {
public:
    QStringList eventos;
    void Mostrar(const TParametrosAguarde& p) override {
        eventos << QStringLiteral("mostrar %1|%2|%3|%4|%5|%6")
                       .arg(p.Mensagem, p.MensagemPrincipal)
                       .arg(p.ValorMaxGauge)
                       .arg(p.PermiteFechar)
                       .arg(p.PermiteCancelar)
                       .arg(p.AtualizaJa);
    }
    void Progresso(int) override {}
    void Atualizar() override {}
    void Fechar() override { eventos << QStringLiteral("fechar"); }
    bool Cancelou() const override { return false; }
};

// The interactive form: the wait window around the run, then the warning, the information or
// the error, each written to the log.
TEST_F(Atualizacao, GetAtualizaExeShowsItsOutcome) {
    auto dialogos = std::make_shared<TBackEndRoteiro>();
    auto aguarde = std::make_shared<TAguardeRegistro>();
    TmDlg::InstalarBackEnd(dialogos);
    Aguarde::Instalar(aguarde);
    const QString app = Instalar(QStringLiteral("app.exe"), "versao_normal");
    PublicarLista("app.exe=23.9.4.0\n");

    EXPECT_TRUE(Nova().GetAtualizaExe({app}, false, true));
    EXPECT_TRUE(dialogos->dialogos.empty());
    EXPECT_EQ(aguarde->eventos,
              (QStringList{"mostrar Aguarde...|Atualizando arquivos|0|0|0|1", "fechar"}));

    EXPECT_TRUE(Nova().GetAtualizaExe({app}, true, false));
    ASSERT_EQ(dialogos->dialogos.size(), 1u);
    EXPECT_EQ(dialogos->dialogos.back().Tipo, TMsgDlgType::mtWarning);
    EXPECT_EQ(Texto(dialogos->dialogos.back().Mensagem),
              "Avisos :\r-O arquivo app.exe já possui a última versão");

    PublicarLista("app.exe=23.10\n");
    Publicar(QStringLiteral("app.exe"), Programa("versao_nova"));
    EXPECT_TRUE(Nova().GetAtualizaExe({app}, true, true));
    ASSERT_EQ(dialogos->dialogos.size(), 2u);
    EXPECT_EQ(dialogos->dialogos.back().Tipo, TMsgDlgType::mtInformation);
    EXPECT_EQ(dialogos->dialogos.back().Mensagem,
              QStringLiteral("Executavel atualizado com sucesso"));

    EXPECT_FALSE(TAtualizacao(config_.filePath("ausente.ini"), pasta_.path())
                     .GetAtualizaExe({app}, true, true));
    ASSERT_EQ(dialogos->dialogos.size(), 3u);
    EXPECT_EQ(dialogos->dialogos.back().Tipo, TMsgDlgType::mtError);
    EXPECT_TRUE(dialogos->dialogos.back().Mensagem.startsWith(QStringLiteral(
        "Erro ao atualizar executável. Msg.Original: Não foi possível ler a configuração")));
    EXPECT_EQ(aguarde->eventos.count(QStringLiteral("fechar")) >= 4, true);

    Aguarde::Instalar(nullptr);
    TmDlg::InstalarBackEnd(nullptr);
}

TEST(ListaVersoes, ReadsNamesIgnoringCaseFirstLineCounts) {
    const TListaVersoes lista = TListaVersoes::Ler(
        "[Versoes]\r\n; comentario\r\n App.EXE = 1.2.3 \r\napp.exe=9\r\n=sem nome\r\nsem igual\r\n"
        "b.exe=\r\nb.exe.sha256=ABC\r\nc\xe7.exe=2\r\n");
    EXPECT_EQ(lista.Versao(QStringLiteral("app.exe")), QStringLiteral("1.2.3"));
    EXPECT_EQ(lista.Versao(QStringLiteral("B.exe")), QString());
    EXPECT_EQ(lista.Sha256(QStringLiteral("b.exe")), QStringLiteral("abc"));
    EXPECT_EQ(lista.Sha256(QStringLiteral("app.exe")), QString());
    EXPECT_EQ(lista.Versao(QStringLiteral("CÇ.EXE")), QStringLiteral("2"));
    EXPECT_EQ(lista.Versao(QStringLiteral("sem igual")), QString());
}

}  // namespace
