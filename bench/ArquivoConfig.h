#pragma once
// The settings file of the settings benchmarks, 10 000 lines in 100 sections, and the 20 typed
// reads made of it after opening it, with TmConfig and with QSettings in INI format.

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <vector>

#include "texto/config/TmConfig.h"

namespace ArquivoConfig {

inline constexpr int kSecoes = 100;
inline constexpr int kChavesPorSecao = 99;  // with the header, 100 lines per section

// The file, rewritten on demand with new contents and a new modification time so that no reader
// can serve it from a cache of an earlier read (QSettings keeps parsed files by name and time,
// TmConfig keeps the decodings of recent contents).
class ArquivoGrande {
public:
    ArquivoGrande() : caminho_(dir_.filePath(QStringLiteral("grande.ini"))) {
        for (int s = 0; s < kSecoes; ++s) {
            corpo_ += "[Secao" + QByteArray::number(s) + "]\r\n";
            for (int c = 0; c < kChavesPorSecao; ++c) {
                corpo_ += "Chave" + QByteArray::number(c) + '=';
                corpo_ += c % 3 == 0   ? QByteArray::number(s * 1000 + c)
                          : c % 3 == 1 ? QByteArray(c % 2 ? "1" : "0")
                                       : "texto de exemplo " + QByteArray::number(c);
                corpo_ += "\r\n";
            }
        }
        Renovar();
    }
    const QString& Caminho() const { return caminho_; }

    // A first line of its own (a key outside any section) makes the contents new.
    void Renovar() {
        QFile f(caminho_);
        f.open(QIODevice::WriteOnly);
        f.write("Versao=" + QByteArray::number(++versao_) + "\r\n" + corpo_);
        f.setFileTime(QDateTime::fromSecsSinceEpoch(1'700'000'000 + versao_),
                      QFileDevice::FileModificationTime);
    }

private:
    QTemporaryDir dir_;
    QString caminho_;
    QByteArray corpo_;
    int versao_ = 0;
};

struct Leitura {
    QString secao;
    QString chave;
    enum { Texto, Inteiro, Logico } tipo;
};

// 8 texts, 8 integers and 4 Booleans from sections at the start, middle and end of the file.
inline const std::vector<Leitura>& Leituras() {
    static const std::vector<Leitura> leituras = [] {
        std::vector<Leitura> l;
        const int secoes[] = {0, 13, 50, 77, 99};
        for (int i = 0; i < 20; ++i) {
            const int s = secoes[i % 5];
            const auto tipo = i < 8 ? Leitura::Texto : i < 16 ? Leitura::Inteiro : Leitura::Logico;
            const int c = (tipo == Leitura::Texto ? 2 : tipo == Leitura::Inteiro ? 0 : 1) + 3 * i;
            l.push_back({QStringLiteral("Secao%1").arg(s), QStringLiteral("Chave%1").arg(c), tipo});
        }
        return l;
    }();
    return leituras;
}

// Opens the file and makes the reads, with each reader.
inline void LerTmConfig(const QString& caminho) {
    TmConfig config(caminho, true);
    for (const Leitura& l : Leituras()) {
        switch (l.tipo) {
            case Leitura::Texto:
                benchmark::DoNotOptimize(config.ReadString(l.secao, l.chave, QString()));
                break;
            case Leitura::Inteiro:
                benchmark::DoNotOptimize(config.ReadInteger(l.secao, l.chave, 0));
                break;
            case Leitura::Logico:
                benchmark::DoNotOptimize(config.ReadBool(l.secao, l.chave, false));
                break;
        }
    }
}

inline void LerQSettings(const QString& caminho) {
    QSettings config(caminho, QSettings::IniFormat);
    for (const Leitura& l : Leituras()) {
        const QVariant valor = config.value(l.secao + QLatin1Char('/') + l.chave);
        switch (l.tipo) {
            case Leitura::Texto:
                benchmark::DoNotOptimize(valor.toString());
                break;
            case Leitura::Inteiro:
                benchmark::DoNotOptimize(valor.toInt());
                break;
            case Leitura::Logico:
                benchmark::DoNotOptimize(valor.toBool());
                break;
        }
    }
}

}  // namespace ArquivoConfig
