#include "texto/config/TConfigStatic.h"

#include <functional>
#include <utility>

#include "texto/config/TmConfig.h"

namespace {

QString Resolver(const QString& Arquivo) {
    return Arquivo.isEmpty() ? TConfigStatic::ArquivoPadrao() : Arquivo;
}

// One read: the TmConfig operation on the file as it stands.
template <typename Leitura, typename... Argumentos>
auto Consultar(const QString& Arquivo, Leitura leitura, Argumentos&&... argumentos) {
    const TmConfig cfg(Resolver(Arquivo), true);
    return std::invoke(leitura, cfg, std::forward<Argumentos>(argumentos)...);
}

// One write: the TmConfig operation on the file as it stands, saved when it changed anything (the
// save makes it again on the file as it is under the lock).
template <typename Escrita, typename... Argumentos>
void Alterar(const QString& Arquivo, Escrita escrita, const Argumentos&... argumentos) {
    TmConfig cfg(Resolver(Arquivo), true);
    std::invoke(escrita, cfg, argumentos...);
    cfg.Flush();
}

}  // namespace

namespace TConfigStatic {

QString ArquivoPadrao() {
    return TmConfig::GetFileNameDefault();
}

// ---- reading ----

QString Ler(const QString& Chave, const QString& Item, const QString& Padrao,
            const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadString, Chave, Item, Padrao);
}
QString Ler(const QString& Chave, const QString& Item, const char* Padrao, const QString& Arquivo) {
    return Ler(Chave, Item, QString::fromUtf8(Padrao), Arquivo);
}
std::int32_t Ler(const QString& Chave, const QString& Item, std::int32_t Padrao,
                 const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadInteger, Chave, Item, Padrao);
}
bool Ler(const QString& Chave, const QString& Item, bool Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadBool, Chave, Item, Padrao);
}
double LerFloat(const QString& Chave, const QString& Item, double Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadFloat, Chave, Item, Padrao);
}
Currency LerCurr(const QString& Chave, const QString& Item, Currency Padrao,
                 const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadCurr, Chave, Item, Padrao);
}
TDateTime LerDate(const QString& Chave, const QString& Item, TDateTime Padrao,
                  const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadDate, Chave, Item, Padrao);
}
TDateTime LerDateTime(const QString& Chave, const QString& Item, TDateTime Padrao,
                      const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadDateTime, Chave, Item, Padrao);
}

QString LerConfig(const QString& Item, const QString& Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadStringConfig, Item, Padrao);
}
QString LerConfig(const QString& Item, const char* Padrao, const QString& Arquivo) {
    return LerConfig(Item, QString::fromUtf8(Padrao), Arquivo);
}
std::int32_t LerConfig(const QString& Item, std::int32_t Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadIntegerConfig, Item, Padrao);
}
bool LerConfig(const QString& Item, bool Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadBoolConfig, Item, Padrao);
}
double LerFloatConfig(const QString& Item, double Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadFloatConfig, Item, Padrao);
}
Currency LerCurrConfig(const QString& Item, Currency Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadCurrConfig, Item, Padrao);
}
TDateTime LerDateConfig(const QString& Item, TDateTime Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadDateConfig, Item, Padrao);
}
TDateTime LerDateTimeConfig(const QString& Item, TDateTime Padrao, const QString& Arquivo) {
    return Consultar(Arquivo, &TmConfig::ReadDateTimeConfig, Item, Padrao);
}

// ---- writing ----

void Gravar(const QString& Chave, const QString& Item, const QString& Valor,
            const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteString, Chave, Item, Valor);
}
void Gravar(const QString& Chave, const QString& Item, const char* Valor, const QString& Arquivo) {
    Gravar(Chave, Item, QString::fromUtf8(Valor), Arquivo);
}
void Gravar(const QString& Chave, const QString& Item, std::int32_t Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteInteger, Chave, Item, Valor);
}
void Gravar(const QString& Chave, const QString& Item, bool Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteBool, Chave, Item, Valor);
}
void GravarFloat(const QString& Chave, const QString& Item, double Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteFloat, Chave, Item, Valor);
}
void GravarCurr(const QString& Chave, const QString& Item, Currency Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteCurr, Chave, Item, Valor);
}
void GravarDate(const QString& Chave, const QString& Item, TDateTime Valor,
                const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteDate, Chave, Item, Valor);
}
void GravarDateTime(const QString& Chave, const QString& Item, TDateTime Valor,
                    const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteDateTime, Chave, Item, Valor);
}

void GravarConfig(const QString& Item, const QString& Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteStringConfig, Item, Valor);
}
void GravarConfig(const QString& Item, const char* Valor, const QString& Arquivo) {
    GravarConfig(Item, QString::fromUtf8(Valor), Arquivo);
}
void GravarConfig(const QString& Item, std::int32_t Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteIntegerConfig, Item, Valor);
}
void GravarConfig(const QString& Item, bool Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteBoolConfig, Item, Valor);
}
void GravarFloatConfig(const QString& Item, double Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteFloatConfig, Item, Valor);
}
void GravarCurrConfig(const QString& Item, Currency Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteCurrConfig, Item, Valor);
}
void GravarDateConfig(const QString& Item, TDateTime Valor, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::WriteDateConfig, Item, Valor);
}

// ---- sections ----

void LerSecoes(QStringList& Saida, const QString& Arquivo) {
    Consultar(Arquivo, &TmConfig::ReadSections, Saida);
}
void LerSecao(QStringList& Saida, const QString& Secao, const QString& Arquivo) {
    Consultar(Arquivo, &TmConfig::ReadSection, Secao, Saida);
}
void LerSecaoValues(QStringList& Saida, const QString& Secao, const QString& Arquivo) {
    Consultar(Arquivo, &TmConfig::ReadSectionValues, Secao, Saida);
}
void LimparSecao(const QString& Secao, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::EraseSection, Secao);
}
void Excluir(const QString& Chave, const QString& Item, const QString& Arquivo) {
    Alterar(Arquivo, &TmConfig::DeleteKey, Chave, Item);
}

}  // namespace TConfigStatic
