#include "sistema/arquivos/TmFileCopia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/CaminhoWindows.h"
#include "base/internal/SistemaArquivos.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/TmFileListagem.h"
#include "sistema/arquivos/internal/Lixeira.h"
#include "sistema/arquivos/internal/Mascara.h"

using namespace ArquivosInterno;

namespace ArquivosInterno {

bool CopiarDescritor(int fonte, const QString& destino, bool substituir, QString& motivo) {
    struct stat st {};
    if (::fstat(fonte, &st) != 0 || !S_ISREG(st.st_mode)) {
        motivo = QStringLiteral("a origem não é um arquivo comum");
        return false;
    }
    if (!substituir && (QFileInfo::exists(destino) || QFileInfo(destino).isSymLink())) {
        motivo = QStringLiteral("o destino já existe");
        return false;
    }
    QFile leitor;
    QTemporaryFile copia(QFileInfo(destino).absolutePath() + QStringLiteral("/.copia-XXXXXX"));
    if (!leitor.open(fonte, QIODevice::ReadOnly, QFileDevice::DontCloseHandle) || !copia.open()) {
        motivo = copia.errorString();
        return false;
    }
    for (QByteArray bloco = leitor.read(1 << 20); !bloco.isEmpty(); bloco = leitor.read(1 << 20)) {
        if (copia.write(bloco) != bloco.size()) {
            motivo = copia.errorString();
            return false;
        }
    }
    if (leitor.error() != QFileDevice::NoError || !copia.flush()) {
        motivo =
            leitor.error() != QFileDevice::NoError ? leitor.errorString() : copia.errorString();
        return false;
    }
    const timespec tempos[2] = {{0, UTIME_OMIT}, st.st_mtim};
    ::fchmod(copia.handle(), st.st_mode & 07777);
    ::futimens(copia.handle(), tempos);
    copia.close();
    // A link at destino is replaced by the copy, never written through.
    if (const auto falha = SistemaArquivos::Instalar(copia.fileName(), destino, substituir)) {
        motivo = falha->erro == EEXIST ? QStringLiteral("o destino já existe") : falha->Motivo();
        return false;
    }
    copia.setAutoRemove(false);
    return true;
}

bool CopiarConteudo(const QString& origem, const QString& destino, bool substituir,
                    QString& motivo) {
    // Only a regular file is opened: opening a FIFO or a device may block or act.
    const int fonte = QFileInfo(origem).isFile()
                          ? ::open(QFile::encodeName(origem).constData(),
                                   O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)
                          : -1;
    const bool copiou = fonte >= 0 && CopiarDescritor(fonte, destino, substituir, motivo);
    if (fonte < 0)
        motivo = QStringLiteral("a origem não é um arquivo comum");
    else
        ::close(fonte);
    return copiou;
}

}  // namespace ArquivosInterno

namespace {

bool Copiar(const QString& origem, const QString& destino, bool substituir = true) {
    QString motivo;
    return CopiarConteudo(Local(origem), Local(destino), substituir, motivo);
}

// The absolute path of caminho with the links of its folder resolved, its last part as written.
QString CaminhoReal(const QString& caminho) {
    const QString limpo = QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
    if (limpo == QLatin1String("/"))
        return limpo;
    const QFileInfo info(limpo);
    const QString pasta = QFileInfo(info.path()).canonicalFilePath();
    return (pasta.isEmpty() ? info.path() : pasta) + QLatin1Char('/') + info.fileName();
}

// The path as deleting it reads it, cleaned once: "pasta/", "pasta/." and "pasta" are one path,
// whose last part (a link there too) is what goes.
QString Limpo(const QString& caminho) {
    return QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
}

// Whether caminho, or what it resolves to, is one of the folders whole-folder deletion refuses:
// the root, the current folder, the folder standing for drive C: and the home folder, and every
// folder that holds drive C: or home. Compared by device and inode, as spellings and links vary.
bool Protegida(const QString& caminho) {
    if (caminho.trimmed().isEmpty())
        return true;
    const QString alvo = Limpo(caminho);
    if (alvo == QLatin1String("/") || SistemaArquivos::MesmoArquivo(alvo, QDir::currentPath()))
        return true;
    for (const QString& guardada : {CaminhoWindows::RaizDriveC(), QDir::homePath()}) {
        QString pasta = QFileInfo(guardada).canonicalFilePath();
        for (; pasta.size() > 1; pasta = QFileInfo(pasta).path())
            if (SistemaArquivos::MesmoArquivo(pasta, alvo))
                return true;
    }
    return false;
}

bool Apagar(const QString& caminho) {
    return !SistemaArquivos::Remover(caminho);
}

// Makes para a real folder of its own: a link planted there is removed, never followed.
bool PastaPropria(const QString& para) {
    if (QFileInfo(para).isSymLink() && !QFile::remove(para))
        return false;
    return QDir().mkpath(para) && !QFileInfo(para).isSymLink();
}

// Copies the entry nome of the open folder pai to alvo: a link as a link, a folder with
// everything in it, a regular file's bytes. Each step is taken from the folder held open, never
// by path again, and with O_NOFOLLOW, so an entry swapped for a link meanwhile is not followed.
// A FIFO, a socket or a device is reported (false), never opened, as reading one may block.
bool CopiarItem(int pai, const char* nome, const QString& alvo) {
    struct stat st {};
    if (::fstatat(pai, nome, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (S_ISLNK(st.st_mode)) {
        QByteArray texto(PATH_MAX, '\0');
        const ssize_t n = ::readlinkat(pai, nome, texto.data(), size_t(texto.size()));
        if (n < 0)
            return false;
        texto.truncate(n);
        QFile::remove(alvo);
        return ::symlink(texto.constData(), QFile::encodeName(alvo).constData()) == 0;
    }
    if (!S_ISDIR(st.st_mode) && !S_ISREG(st.st_mode))
        return false;
    const int fd = ::openat(pai, nome,
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                                (S_ISDIR(st.st_mode) ? O_DIRECTORY : 0));
    if (fd < 0)
        return false;
    if (S_ISDIR(st.st_mode))
        return CopiarArvore(fd, alvo);
    QString motivo;
    const bool copiou = CopiarDescritor(fd, alvo, true, motivo);
    ::close(fd);
    return copiou;
}

// CopiarItem for the item at the path de, its folder opened once.
bool CopiarCaminho(const QString& de, const QString& para) {
    const QFileInfo item(de);
    const int pai = ::open(QFile::encodeName(item.absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (pai < 0)
        return false;
    const bool copiou = CopiarItem(pai, QFile::encodeName(item.fileName()).constData(), para);
    ::close(pai);
    return copiou;
}

}  // namespace

namespace ArquivosInterno {

bool CopiarArvore(int pasta, const QString& para) {
    DIR* aberta = ::fdopendir(pasta);
    if (aberta == nullptr) {
        ::close(pasta);
        return false;
    }
    bool copiou = PastaPropria(para);
    while (copiou) {
        const dirent* entrada = ::readdir(aberta);
        if (entrada == nullptr)
            break;
        const char* n = entrada->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        copiou = CopiarItem(::dirfd(aberta), n, para + QLatin1Char('/') + QFile::decodeName(n));
    }
    ::closedir(aberta);
    return copiou;
}

bool MoverItem(const QString& de, const QString& para) {
    const QByteArray origem = QFile::encodeName(de), destino = QFile::encodeName(para);
    if (::renameat2(AT_FDCWD, origem.constData(), AT_FDCWD, destino.constData(),
                    RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    // Another file system: copied, and removed only once the copy is whole. What is already at
    // para is never touched; a half copy made here is removed.
    if (QFileInfo::exists(para) || QFileInfo(para).isSymLink())
        return false;
    if (!CopiarCaminho(de, para)) {
        Apagar(para);
        return false;
    }
    return Apagar(de);
}

}  // namespace ArquivosInterno

namespace {

// Moves the file origem into the folder pasta, replacing a file of its name there. The same
// file under another spelling (or through a link) is already where it goes; otherwise a
// rename, and a copy then a deletion only across file systems.
bool Mover(const QString& origem, const QString& pasta) {
    const QString de = Limpo(Local(origem));
    const QString para = Limpo(Local(pasta)) + QLatin1Char('/') + QFileInfo(de).fileName();
    if (!QFileInfo(de).isFile() || !QFileInfo(Local(pasta)).isDir())
        return false;
    if (SistemaArquivos::MesmoArquivo(de, para))
        return true;
    if (std::rename(QFile::encodeName(de).constData(), QFile::encodeName(para).constData()) == 0)
        return !SistemaArquivos::SincronizarPasta(para) && !SistemaArquivos::SincronizarPasta(de);
    return errno == EXDEV && TmFile::CopiarArquivo(origem, pasta) && QFile::remove(de);
}

}  // namespace

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
    const QFileInfo de(Limpo(Local(fromDir)));
    if (!de.isDir())
        return false;
    QString para = Limpo(Local(toDir));
    if (QFileInfo(para).isDir())
        para = DirBarra(para) + de.fileName();
    const QString origem = de.canonicalFilePath() + QLatin1Char('/');
    if ((CaminhoReal(para) + QLatin1Char('/')).startsWith(origem))
        return false;
    const int pasta =
        ::open(QFile::encodeName(de.filePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return pasta >= 0 && CopiarArvore(pasta, para);
}

bool MoverArquivo(const QString& Origem, const QString& PastaDestino, bool abForcarDiretorio) {
    if (!QFileInfo::exists(Local(Origem)))
        return true;
    if (abForcarDiretorio)
        CreateDirectory(PastaDestino);
    return Mover(Origem, PastaDestino);
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
        moveu = Mover(info.filePath(), PastaDestino);
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
    const QString caminho = Limpo(Local(DirName));
    if (DirName.trimmed().isEmpty() || Protegida(caminho))
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
