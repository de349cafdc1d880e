#pragma once
// Version texts of a program file in other shapes than the status bar's, and the whole string
// table of its version resource. Every call reads the file again.

#include <QString>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

// An error of the operating system: its code (errno) and the system's text for it.
class ORVANE_SISTEMA_EXPORT EOSError : public TErroComMensagem<std::runtime_error> {
public:
    explicit EOSError(int codigo);
    int Codigo() const { return codigo_; }

private:
    int codigo_;
};

// The twelve strings of a version resource's string table, in the library's order; an entry
// the table lacks stays empty.
struct TEXEVersionData {
    QString CompanyName;
    QString FileDescription;
    QString FileVersion;
    QString InternalName;
    QString LegalCopyright;
    QString LegalTrademarks;
    QString OriginalFileName;
    QString ProductName;
    QString ProductVersion;
    QString Comments;
    QString PrivateBuild;
    QString SpecialBuild;
};

namespace TmRot {

// The file's "FileVersion" string (no fall-back to "ProductVersion"), cut to its first
// aiQtdNiveis non-blank fields when that is 1, 2 or 3 (any other count keeps the text as
// stored), with every "." replaced by asSeparador. "" on any failure. 23.9.4.0 with 2 and "_" gives
// 23_9.
ORVANE_SISTEMA_EXPORT QString GetFileVersao(const QString& csExeName, int aiQtdNiveis,
                                            const QString& asSeparador);

// The three-level version of the running program's own file, "." between the levels.
ORVANE_SISTEMA_EXPORT QString GetApplicationVersao();

// Every string of the version resource's table named by its first translation. Raises
// EOSError when the file cannot be read (the system's code for it) or has no version resource
// or no translation (ENODATA).
ORVANE_SISTEMA_EXPORT TEXEVersionData GetEXEVersionData(const QString& FileName);

}  // namespace TmRot
