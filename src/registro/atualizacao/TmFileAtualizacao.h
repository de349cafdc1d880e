#pragma once
// Program files of an installation brought up to the versions published on the maker's update
// server. The server's folder holds the published files and their version list "Versoes.ini"
// (ListaVersoes.h); a file is downloaded when the list publishes a newer version than the local
// file's "FileVersion", or when either version is unknown or the file is missing.
//
// The endpoint is configuration of the installation, never part of the program: the file
// "C:\Corvel\Config\Atualizacao.ini" (CaminhoWindows) holds the lines Host=, Usuario=, Senha=
// and, optionally, Porta= (21), PastaRemota= (/web/files/vestra/Externo/) and TLS= (1 for
// explicit TLS). It holds a password, so it is used only when no one but its owner (this user
// or root) can read or write it.
//
// A file is replaced so that the program is never missing: the new file is placed beside it
// under a temporary name with the program's permission bits, the program is renamed to its
// superseded name (name.version without points, app.exe at 23.9.4.0 becomes app.23940; a name
// taken already, or a program without version, gets a free name instead), and the new file is
// renamed into place; a failure after the first rename renames the program back. When the list
// gives a SHA-256 for the file, a download that does not match it is refused.

#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/mConst.h"
#include "base/mLib.h"
#include "registro/ExportacaoRegistroAtualizacao.h"

class TListaVersoes;
class TCorvelFTP;

// The reason an update stopped, in the library's Portuguese messages.
class EAtualizacao : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

// One run of the update over a program folder (where the version list and the work folder
// "Temp/" go) with the endpoint of a configuration file.
class ORVANE_REGISTROATUALIZACAO_EXPORT TAtualizacao {
public:
    TAtualizacao(const QString& arquivoConfiguracao, const QString& pastaPrograma);

    // Works through the files in order; stops at the first failure with EAtualizacao (files
    // handled before it stay updated, later ones untouched). asMsg gets a line
    // CR + "-O arquivo " + name + " já possui a última versão" for each file left as it was.
    bool GetExePorVersao(const TcrvArrayString& aaArquivoExe, QString& asMsg);
    // GetExePorVersao behind the wait window, with its warnings and errors shown in dialogs:
    // false after showing the error.
    bool GetAtualizaExe(const TcrvArrayString& aaArquivoExe, bool abAvisarSeJaEstaAtualizado,
                        bool abAvisarQueFoiAtualizado);

    // How a file is renamed (never over an existing one); tests replace it to make a rename
    // fail.
    std::function<bool(const QString& de, const QString& para)> Renomear;

private:
    struct TDestino;
    std::unique_ptr<TCorvelFTP> Conectar(const TDestino& destino) const;
    void Baixar(const TDestino& destino, const QString& nome, const QString& pasta,
                const QString& mensagem) const;
    void Atualizar(const TDestino& destino, const QString& arquivo, const TListaVersoes& lista,
                   QString& asMsg) const;
    void Instalar(const QString& baixado, const QString& arquivo, const QString& versao) const;

    QString arquivoConfiguracao_;
    QString pastaPrograma_;
};

namespace TmFile {

// The update of the program's own folder (DirExe) with the installation's endpoint file.
ORVANE_REGISTROATUALIZACAO_EXPORT bool GetExePorVersao(const TcrvArrayString& aaArquivoExe,
                                                       QString& asMsg);
ORVANE_REGISTROATUALIZACAO_EXPORT bool GetAtualizaExe(const TcrvArrayString& aaArquivoExe,
                                                      bool abAvisarSeJaEstaAtualizado,
                                                      bool abAvisarQueFoiAtualizado);
ORVANE_REGISTROATUALIZACAO_EXPORT bool GetAtualizaExe(const QString& asArquivoExe,
                                                      bool abAvisarSeJaEstaAtualizado,
                                                      bool abAvisarQueFoiAtualizado);

}  // namespace TmFile
