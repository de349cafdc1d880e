#include "sistema/arquivos/TmFileCopia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "base/CaminhoWindows.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/TmFileListagem.h"
#include "sistema/arquivos/internal/Lixeira.h"
#include "sistema/arquivos/internal/Mascara.h"

using namespace ArquivosInterno;

namespace ArquivosInterno {

bool CopiarConteudo(const QString& origem, const QString& destino, bool substituir,
                    QString& motivo) {
    QFile fonte(origem);
    if (!fonte.open(QIODevice::ReadOnly)) {
        motivo = fonte.errorString();
        return false;
    }
    if (!substituir && QFileInfo::exists(destino)) {
        motivo = QStringLiteral("o destino já existe");
        return false;
    }
    QTemporaryFile copia(QFileInfo(destino).absolutePath() + QStringLiteral("/.copia-XXXXXX"));
    if (!copia.open()) {
        motivo = copia.errorString();
        return false;
    }
    for (QByteArray bloco = fonte.read(1 << 20); !bloco.isEmpty(); bloco = fonte.read(1 << 20)) {
        if (copia.write(bloco) != bloco.size()) {
            motivo = copia.errorString();
            return false;
        }
    }
    if (fonte.error() != QFileDevice::NoError || !copia.flush()) {
        motivo = fonte.error() != QFileDevice::NoError ? fonte.errorString() : copia.errorString();
        return false;
    }
    copia.setPermissions(fonte.permissions());
    copia.setFileTime(fonte.fileTime(QFileDevice::FileModificationTime),
                      QFileDevice::FileModificationTime);
    copia.close();
    // rename() replaces the target in one step; QFile::rename refuses an existing one.
    const bool instalada = substituir ? std::rename(QFile::encodeName(copia.fileName()).constData(),
                                                    QFile::encodeName(destino).constData()) == 0
                                      : QFile::rename(copia.fileName(), destino);
    if (!instalada) {
        motivo = substituir ? qt_error_string(errno) : QStringLiteral("o destino já existe");
        return false;
    }
    copia.setAutoRemove(false);
    return true;
}

}  // namespace ArquivosInterno

namespace {

bool Copiar(const QString& origem, const QString& destino, bool substituir = true) {
    QString motivo;
    return CopiarConteudo(Local(origem), Local(destino), substituir, motivo);
}

// The absolute path of what deleting caminho removes: its folder with every link resolved, and
// its last part as written (a link there is removed itself).
QString CaminhoReal(const QString& caminho) {
    const QString limpo = QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
    if (limpo == QLatin1String("/"))
        return limpo;
    const QFileInfo info(limpo);
    const QString pasta = QFileInfo(info.path()).canonicalFilePath();
    return (pasta.isEmpty() ? info.path() : pasta) + QLatin1Char('/') + info.fileName();
}

// The folders whole-folder deletion refuses, and every folder that holds them.
bool Protegida(const QString& caminho) {
    if (caminho.trimmed().isEmpty())
        return true;
    const QString alvo = CaminhoReal(caminho);
    if (alvo == QLatin1String("/") || alvo == CaminhoReal(QDir::currentPath()))
        return true;
    for (const QString& guardada : {CaminhoWindows::RaizDriveC(), QDir::homePath()}) {
        const QString real = CaminhoReal(guardada);
        if (real == alvo || real.startsWith(alvo + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool Apagar(const QString& caminho) {
    const QFileInfo info(caminho);
    if (info.isDir() && !info.isSymLink())
        return QDir(caminho).removeRecursively();
    return QFile::remove(caminho);
}

bool CopiarArvore(const QString& de, const QString& para) {
    if (!QDir().mkpath(para))
        return false;
    const QFileInfoList entradas = QDir(de).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& info : entradas) {
        const QString alvo = para + QLatin1Char('/') + info.fileName();
        bool copiada;
        if (info.isSymLink()) {
            QFile::remove(alvo);
            std::error_code erro;
            const auto destino = std::filesystem::read_symlink(info.filePath().toStdString(), erro);
            copiada = !erro && QFile::link(QString::fromStdString(destino.string()), alvo);
        } else if (info.isDir()) {
            copiada = CopiarArvore(info.filePath(), alvo);
        } else {
            QString motivo;
            copiada = CopiarConteudo(info.filePath(), alvo, true, motivo);
        }
        if (!copiada)
            return false;
    }
    return true;
}

}  // namespace

namespace ArquivosInterno {

bool MoverPasta(const QString& de, const QString& para) {
    if (QDir().rename(de, para))
        return true;
    // Another file system: copied, and removed only once the copy is whole.
    if (QFileInfo::exists(para) || !CopiarArvore(de, para)) {
        QDir(para).removeRecursively();
        return false;
    }
    return QDir(de).removeRecursively();
}

}  // namespace ArquivosInterno

namespace TmFile {

int QtdArquivosMovidos = 0;

bool CopiarArquivo(const QString& Origem, const QString& PastaDestino,
                   const QString& AcrescentarNoFinalDoNome, bool SubstituirSeExistir) {
    if (!QFileInfo(Local(Origem)).isFile() || !DirectoryExists(PastaDestino))
        return false;
    QString nome = FileName(Origem);
    if (!AcrescentarNoFinalDoNome.isEmpty())
        nome = TrocarExtensao(nome, AcrescentarNoFinalDoNome + FileExtension(nome));
    return Copiar(Origem, DirBarra(PastaDestino) + nome, SubstituirSeExistir);
}

bool CopiarArquivoRenomeandoDestino(const QString& Origem, const QString& PastaDestino) {
    if (!QFileInfo(Local(Origem)).isFile() || !DirectoryExists(ExtractDir(PastaDestino)))
        return false;
    return Copiar(Origem, PastaDestino);
}

bool CopiarArquivos(const QString& Origem, const QString& PastaDestino) {
    bool copiou = false;
    for (const QFileInfo& info : Correspondencias(Origem, TEntradas::Arquivos)) {
        copiou = CopiarArquivo(info.filePath(), PastaDestino);
        if (!copiou)
            break;
    }
    return copiou;
}

bool CopiarPasta(const QString& fromDir, const QString& toDir) {
    const QFileInfo de(Local(fromDir));
    if (!de.isDir())
        return false;
    QString para = Local(toDir);
    if (QFileInfo(para).isDir())
        para = DirBarra(para) + de.fileName();
    const QString origem = de.canonicalFilePath() + QLatin1Char('/');
    if ((CaminhoReal(para) + QLatin1Char('/')).startsWith(origem))
        return false;
    return CopiarArvore(de.filePath(), para);
}

bool MoverArquivo(const QString& Origem, const QString& PastaDestino, bool abForcarDiretorio) {
    if (!QFileInfo::exists(Local(Origem)))
        return true;
    if (abForcarDiretorio)
        CreateDirectory(PastaDestino);
    return CopiarArquivo(Origem, PastaDestino) && QFile::remove(Local(Origem));
}

bool MoverArquivoNome(const QString& asSourcePath, const QString& asDestPath) {
    const QString destino = Local(asDestPath);
    QDir().mkpath(QFileInfo(destino).path());
    return QFile::rename(Local(asSourcePath), destino);
}

bool MoverArquivos(const QString& Origem, const QString& PastaDestino, bool abForcarDiretorio) {
    QtdArquivosMovidos = 0;
    if (abForcarDiretorio)
        CreateDirectory(PastaDestino);
    bool moveu = false;
    for (const QFileInfo& info : Correspondencias(Origem, TEntradas::Arquivos)) {
        moveu = CopiarArquivo(info.filePath(), PastaDestino) && QFile::remove(info.filePath());
        if (!moveu)
            break;
        ++QtdArquivosMovidos;
    }
    return moveu;
}

bool ModificarExtensao(const QString& asPastaMascara, const QString& asNovaExtensao) {
    const QString extensao =
        asNovaExtensao.startsWith(u'.') ? asNovaExtensao : QLatin1Char('.') + asNovaExtensao;
    bool renomeou = false;
    for (const QFileInfo& info : Correspondencias(asPastaMascara, TEntradas::Arquivos))
        renomeou = QFile::rename(info.filePath(), TrocarExtensao(info.filePath(), extensao));
    return renomeou;
}

bool DeleteArquivos(const QString& Origem, const QString& Arquivo) {
    bool apagou = false;
    for (const QFileInfo& info : Correspondencias(Origem + Arquivo, TEntradas::Arquivos)) {
        apagou = QFile::remove(info.filePath());
        if (!apagou)
            break;
    }
    return apagou;
}

bool DeletarArquivos(const QString& Pasta_Mascara) {
    const QFileInfoList encontrados = Correspondencias(Pasta_Mascara, TEntradas::Arquivos);
    bool todos = !encontrados.isEmpty();
    for (const QFileInfo& info : encontrados)
        todos = DirectoryDelete(info.filePath()) && todos;
    return todos;
}

bool DirectoryDelete(const QString& DirName, bool abMandarParaLixeira) {
    const QString caminho = Local(DirName);
    if (Protegida(caminho))
        return false;
    const QFileInfo info(caminho);
    if (!info.exists() && !info.isSymLink())
        return false;
    return abMandarParaLixeira ? MandarParaLixeira(caminho) : Apagar(caminho);
}

bool CreateDirectory(const QString& Nome) {
    return !Nome.isEmpty() && QDir().mkpath(Local(Nome));
}

bool CriarDiretorios(const TcrvArrayString& asDirs) {
    bool todas = true;
    for (const QString& pasta : asDirs)
        todas = CreateDirectory(pasta) && todas;
    return todas;
}

void RenameDir(const QString& lsNomeAntigo, const QString& lsNomeNovo) {
    const QString antigo = QDir::cleanPath(Local(lsNomeAntigo));
    const bool soNome = ExtractDir(lsNomeNovo).isEmpty();
    const QString novo =
        soNome ? QFileInfo(antigo).path() + QLatin1Char('/') + lsNomeNovo : Local(lsNomeNovo);
    if (!QFileInfo::exists(novo))
        QDir().rename(antigo, novo);
}

bool RemoverAtributoSomenteLeitura(const QString& Arquivo) {
    QFile arquivo(Local(Arquivo));
    return arquivo.exists() &&
           arquivo.setPermissions(arquivo.permissions() | QFile::WriteOwner | QFile::WriteUser);
}

}  // namespace TmFile
