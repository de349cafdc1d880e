#pragma once
// Where an archive's entry may land, and how a file is written there. Internal to the zip
// wrapper: the rules that keep an unpacking inside its target folder.
//
// Every failure raises EInOutError with a Portuguese text naming the entry or the file.

#include <sys/types.h>
#include <QString>
#include <QStringList>

#include <ctime>
#include <optional>

#include "sistema/ExportacaoSistemaZip.h"

namespace DestinoSeguro {

// Why an entry of that name must not be unpacked, or "" when it may: an absolute name (a
// leading "/" or "\", or a drive "X:"), a ".." part, a name of nothing but separators and ".",
// a symbolic link.
ORVANE_SISTEMAZIP_EXPORT QString MotivoRecusa(const QString& nome, bool ligacaoSimbolica);

// The path below the target folder that an accepted entry's name stands for: its parts without
// "." or empty ones, "\" read as a separator.
struct Caminho {
    QStringList partes;
    bool pasta = false;  // a folder entry (its name ends in a separator)
};
ORVANE_SISTEMAZIP_EXPORT Caminho CaminhoRelativo(const QString& nome);

// The target folder, created when missing, with symbolic links resolved.
ORVANE_SISTEMAZIP_EXPORT QString PrepararRaiz(const QString& pasta);

// Creates the folders of relativo below raiz (a PrepararRaiz result) part by part, refusing a
// part that is a symbolic link leading out of raiz or that is not a folder. Answers the folder.
ORVANE_SISTEMAZIP_EXPORT QString CriarPastas(const QString& raiz, const QStringList& partes);

// A new file beside destino, created with modo less the umask, never through a symbolic link;
// Concluir renames it over destino (replacing a file or a link there, never writing through
// it); destroyed before that, it is removed and destino stays as it was.
class ORVANE_SISTEMAZIP_EXPORT ArquivoNovo {
public:
    ArquivoNovo(const QString& destino, mode_t modo);
    ~ArquivoNovo();
    ArquivoNovo(const ArquivoNovo&) = delete;
    ArquivoNovo& operator=(const ArquivoNovo&) = delete;

    void Escrever(const char* dados, qint64 tamanho);
    // Sets the modification time (when given, in seconds since 1970) and renames into place.
    void Concluir(std::optional<time_t> modificado);

private:
    [[noreturn]] void Falhar(int erro) const;

    QString destino_;
    QString temporario_;
    int fd_ = -1;
};

}  // namespace DestinoSeguro
