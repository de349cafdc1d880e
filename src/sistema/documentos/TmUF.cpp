#include "sistema/documentos/TmUF.h"

#include "base/internal/Texto.h"
#include "sistema/documentos/RegrasIE.h"

void TUnidadeFederativa::Limpar() {
    Sigla.clear();
    IBGE = 0;
    Tamanho.clear();
}

namespace {

const RegrasIE::Estado* Procurar(const QString& sigla) {
    return sigla.size() == 2 ? RegrasIE::Procurar(sigla.toLatin1().toStdString()) : nullptr;
}

}  // namespace

namespace TmUF {

TUnidadeFederativa Dados(const QString& aiUF) {
    TUnidadeFederativa dados;
    if (const RegrasIE::Estado* estado = Procurar(aiUF)) {
        dados.Sigla = aiUF;
        dados.IBGE = estado->ibge;
        for (int i = 0; i < estado->quantidadeFormatos; ++i)
            dados.Tamanho.append(estado->formatos[i].tamanho);
    }
    return dados;
}

int IBGE(const QString& aiUF) {
    const RegrasIE::Estado* estado = Procurar(aiUF);
    return estado ? estado->ibge : 0;
}

QString Sigla(int aiIBGE) {
    for (int i = 0; i < RegrasIE::kQuantidadeEstados; ++i)
        if (RegrasIE::Estados()[i].ibge == aiIBGE)
            return QString::fromLatin1(RegrasIE::Estados()[i].sigla);
    return {};
}

QString GetIEValidada(const QString& asIE, const QString& asUF) {
    const QString ie = TextoInterno::Aparar(asIE).toString();
    const TUnidadeFederativa dados = Dados(asUF);
    if (dados.Tamanho.isEmpty() || dados.Tamanho.contains(int(ie.size())))
        return ie;
    const int tamanho = dados.Tamanho.first();
    return ie.size() > tamanho ? ie.right(tamanho) : ie.rightJustified(tamanho, u'0');
}

}  // namespace TmUF

namespace TmStr {

QString EstadoExtenso(const QString& Estado) {
    const RegrasIE::Estado* estado = Procurar(Estado.toUpper());
    return estado ? QString::fromUtf8(estado->nome) : QString();
}

bool IsEstadoValido(const QString& Estado) {
    static const QString kCodigos =
        QStringLiteral("SPMGRJRSSCPRESDFMTMSGOTOBASEALPBPEMARNCEPIPAAMAPFNACRRRO");
    if (Estado.size() != 2)
        return false;
    const QString codigo = Estado.toUpper();
    for (qsizetype i = 0; i < kCodigos.size(); i += 2)
        if (QStringView(kCodigos).mid(i, 2) == codigo)
            return true;
    return false;
}

}  // namespace TmStr
