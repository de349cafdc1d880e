#include "sistema/arquivos/TmFileListagem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cmath>

#include "base/FormatoDataHora.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/internal/Mascara.h"

using namespace ArquivosInterno;

namespace {

TDateTime HoraDeEscrita(const QFileInfo& info) {
    return DataHora::FromQDateTime(info.lastModified());
}

bool DentroDosLimites(TDateTime hora, TDateTime inicial, TDateTime final) {
    return !(inicial > -1 && hora < inicial) && !(final > -1 && hora > final);
}

// The listing line: name;DD/MM/YYYY HH:NN:SS;size.
QString LinhaDeListagem(const QString& nome, const QFileInfo& info) {
    return nome + QLatin1Char(';') +
           Rtl::FormatDateTime(u"DD/MM/YYYY HH:NN:SS", HoraDeEscrita(info), mConst::Regionais()) +
           QLatin1Char(';') + QString::number(info.size());
}

// The subfolders a recursive walk enters: not hidden, and not links, which could lead back up
// the tree and never end.
QStringList SubpastasPercorridas(const QString& pasta) {
    QStringList subpastas;
    for (const QFileInfo& info : Correspondencias(pasta + QLatin1Char('*'), TEntradas::Pastas))
        if (!info.fileName().startsWith(u'.') && !info.isSymLink())
            subpastas.append(pasta + info.fileName() + QLatin1Char('/'));
    return subpastas;
}

void AcrescentarRecursivo(TcrvArrayString& saida, const QString& pasta, const QString& padrao,
                          bool incluirPasta) {
    for (const QFileInfo& info : Correspondencias(pasta + padrao, TEntradas::ArquivosEOcultos))
        saida.append(incluirPasta ? pasta + info.fileName() : info.fileName());
    for (const QString& subpasta : SubpastasPercorridas(pasta))
        AcrescentarRecursivo(saida, subpasta, padrao, incluirPasta);
}

void AcrescentarPastasRecursivo(QStringList& saida, const QString& pasta) {
    const QStringList subpastas = SubpastasPercorridas(pasta);
    saida.append(subpastas);
    for (const QString& subpasta : subpastas)
        AcrescentarPastasRecursivo(saida, subpasta);
}

}  // namespace

namespace TmFile {

bool FileExists(const QString& Arquivo) {
    return !Correspondencias(Arquivo, TEntradas::Arquivos).isEmpty();
}

bool DirectoryExists(const QString& Nome) {
    return !Nome.isEmpty() && QFileInfo(Local(Nome)).isDir();
}

bool IsDirectoryEmpty(const QString& Path) {
    return QDir(Local(Path))
        .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

int FileLength(const QString& Arquivo) {
    const QFileInfo info(Local(Arquivo));
    return info.isFile() ? int(std::min<qint64>(info.size(), INT_MAX)) : -1;
}

qint64 FileSize(const QString& Arquivo) {
    const QFileInfo info(Local(Arquivo));
    return info.isFile() ? info.size() : 0;
}

QString FormatFileSize(qint64 aiBytes) {
    static const char* const unidades[] = {"bytes", "Kb", "Mb", "Gb", "Tb"};
    double valor = double(aiBytes);
    int divisoes = 0;
    while (valor >= 1024) {
        valor /= 1024;
        ++divisoes;
    }
    const qint64 decimos = qint64(std::trunc(valor * 10));
    QString numero = QString::number(decimos / 10);
    if (decimos % 10 != 0)
        numero += mConst::Regionais().DecimalSeparator + QString::number(decimos % 10);
    const QString unidade =
        divisoes < 5 ? QString::fromLatin1(unidades[divisoes]) : QStringLiteral("Inesperado");
    return numero + QLatin1Char(' ') + unidade;
}

TDateTime GetFileDateTime(const QString& Arquivo) {
    const QFileInfo info(Local(Arquivo));
    return info.exists() ? HoraDeEscrita(info) : 0;
}

TDateTime GetFolderDateTime(const QString& Pasta) {
    const bool barraFinal = !Pasta.isEmpty() && Separador(Pasta.back());
    return GetFileDateTime(barraFinal ? Pasta.chopped(1) : Pasta);
}

bool SetFileDateTime(const QString& Arquivo, TDateTime NovaData) {
    QFile arquivo(Local(Arquivo));
    return arquivo.exists() && arquivo.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
           arquivo.setFileTime(DataHora::ToQDateTime(NovaData), QFileDevice::FileModificationTime);
}

QString GetFileModificadoRecentemente(const QStringList& ListaArquivos) {
    QString recente;
    TDateTime maior = 0;
    for (const QString& arquivo : ListaArquivos) {
        if (const TDateTime hora = GetFileDateTime(arquivo); hora > maior) {
            maior = hora;
            recente = arquivo;
        }
    }
    return recente;
}

bool GetFiles(QStringList& Saida, const QString& Arquivos, bool IncluirPasta, bool Detalhes,
              TDateTime ahDtInicial, TDateTime ahDtFinal) {
    Saida.clear();
    const QString pasta = ExtractDir(Arquivos);
    for (const QFileInfo& info : Correspondencias(Arquivos, TEntradas::Arquivos)) {
        if (!DentroDosLimites(HoraDeEscrita(info), ahDtInicial, ahDtFinal))
            continue;
        const QString nome = IncluirPasta ? pasta + info.fileName() : info.fileName();
        Saida.append(Detalhes ? LinhaDeListagem(nome, info) : nome);
    }
    return !Saida.isEmpty();
}

bool GetFiles(TcrvArrayArquivo& asLista, const QString& asArquivos, bool abOrdenarDataHora) {
    struct Entrada {
        QString linha;
        TcrvArquivo arquivo;
    };
    QVector<Entrada> entradas;
    const QString pasta = ExtractDir(asArquivos);
    for (const QFileInfo& info : Correspondencias(asArquivos, TEntradas::Arquivos)) {
        const QString nome = pasta + info.fileName();
        // The time the listing line carries: whole seconds.
        QDateTime hora = info.lastModified();
        hora = hora.addMSecs(-hora.time().msec());
        entradas.append(
            {LinhaDeListagem(nome, info), {nome, DataHora::FromQDateTime(hora), info.size()}});
    }
    std::sort(entradas.begin(), entradas.end(), [](const Entrada& a, const Entrada& b) {
        return a.linha.compare(b.linha, Qt::CaseInsensitive) < 0;
    });
    if (abOrdenarDataHora) {
        std::stable_sort(entradas.begin(), entradas.end(), [](const Entrada& a, const Entrada& b) {
            return a.arquivo.DataHora < b.arquivo.DataHora;
        });
    }
    asLista.clear();
    for (const Entrada& e : entradas)
        asLista.append(e.arquivo);
    return !asLista.isEmpty();
}

void GetFilesRecursive(TcrvArrayString& Saida, const QString& Arquivos, bool IncluirPasta) {
    Saida.clear();
    AcrescentarRecursivo(Saida, ExtractDir(Arquivos), FileName(Arquivos), IncluirPasta);
}

void GetDirectories(const QString& Caminho, QStringList& Saida, bool FullPath) {
    Saida.clear();
    const QString pasta = DirBarra(Caminho);
    for (const QFileInfo& info : Correspondencias(pasta + QLatin1Char('*'), TEntradas::Pastas))
        Saida.append(FullPath ? pasta + info.fileName() : info.fileName());
}

void GetDirectoriesRecursive(QStringList& Saida, const QString& Arquivos) {
    Saida.clear();
    AcrescentarPastasRecursivo(Saida, DirBarra(Arquivos));
}

}  // namespace TmFile
