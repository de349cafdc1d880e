#pragma once
// State registrations checked by the validator library (DllInscE32.so, built by this project
// from the same rule table as TmStr::isIEValido and installed beside the program), through its
// one call ConsisteInscricaoEstadual.
//
// The library is looked for in the program's folder. When it is missing, its package
// (DllInscE32.zip) is downloaded over HTTPS from the address in the configuration, checked
// against the SHA-256 there, unpacked with the zip wrapper (which refuses names outside its
// folder) into a private folder, and only then moved beside the program and loaded. A library
// is never loaded from a folder that another user can write (the folder or one above it that is
// writable by group or others without the sticky bit, or owned by another user than root or
// this one), nor when the file itself is a link or writable by others; the checked file is the
// one loaded (opened once, loaded through its descriptor). Loaded libraries stay loaded.
//
// Configuration: the program's settings file (TConfigStatic's default file), section
// "ValidadorIE": "EnderecoPacote" (an https:// address), "SHA256Pacote" (64 hexadecimal
// digits) and, for a server with a certificate of its own, "CertificadosCA" (a PEM file).
// Downloads give up when the connection takes more than 15 s or moves less than one byte per
// second for 30 s; packages larger than 16 MiB are refused.

#include <QString>
#include <functional>

#include "base/mLib.h"
#include "sistema/ExportacaoSistemaDocumentos.h"

struct ORVANE_SISTEMADOCUMENTOS_EXPORT TConfiguracaoValidadorIE {
    QString EnderecoPacote;
    QString SHA256Pacote;
    QString CertificadosCA;

    // From the program's settings file.
    static TConfiguracaoValidadorIE Ler();
};

namespace ValidadorIE {

inline constexpr char kBiblioteca[] = "DllInscE32.so";
inline constexpr char kPacote[] = "DllInscE32.zip";

// Where the configuration comes from: asked only when the library must be downloaded.
using FonteConfiguracao = std::function<TConfiguracaoValidadorIE()>;

// ValidarInscricaoDLLSintegra with the library of pasta and that configuration.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString Validar(const QString& IE, const QString& UF,
                                                const QString& pasta,
                                                const FonteConfiguracao& configuracao);
ORVANE_SISTEMADOCUMENTOS_EXPORT QString Validar(const QString& IE, const QString& UF,
                                                const QString& pasta,
                                                const TConfiguracaoValidadorIE& configuracao);

}  // namespace ValidadorIE

namespace TmStr {

// Empty when IE is a valid registration of UF (or «ISENTO»), else the message: "Inscrição
// inválida para " and the state, "Parâmetros inválidos", or why the validator library could not
// be had ("Erro ao baixar o arquivo " and the address, among others, or why the settings file
// could not be read). Nothing is raised.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString ValidarInscricaoDLLSintegra(const QString& IE,
                                                                    const QString& UF);

}  // namespace TmStr
