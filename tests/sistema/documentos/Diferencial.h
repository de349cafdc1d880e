#pragma once
// Comparison with an independent implementation run as a child program (python3, node): every
// request goes in as one line on its standard input, all at once, and the answers come back one
// line each, in order, to be compared with what this library answered to the same request.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <random>

class Diferencial {
public:
    // Adds a request and this library's answer to it.
    void Perguntar(const QString& pedido, const QString& nossa) {
        pedidos_ += pedido;
        nossas_ += nossa;
    }
    qsizetype Quantidade() const { return pedidos_.size(); }

    // Runs the program, sends every request and compares the answers line by line; at most ten
    // disagreements are shown, and all are counted.
    void Comparar(const QString& programa, const QStringList& argumentos,
                  const QString& pasta = {}) {
        QProcess processo;
        processo.setWorkingDirectory(pasta);
        processo.start(programa, argumentos);
        ASSERT_TRUE(processo.waitForStarted(30000)) << programa.toStdString();
        processo.write((pedidos_.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        processo.closeWriteChannel();
        ASSERT_TRUE(processo.waitForFinished(600000));
        ASSERT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
        const QStringList deles = QString::fromUtf8(processo.readAllStandardOutput())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(deles.size(), pedidos_.size());
        int discordancias = 0;
        for (qsizetype i = 0; i < pedidos_.size(); ++i)
            if (deles[i] != nossas_[i] && ++discordancias <= 10)
                ADD_FAILURE() << pedidos_[i].toStdString() << ": " << deles[i].toStdString()
                              << " there, " << nossas_[i].toStdString() << " here";
        EXPECT_EQ(discordancias, 0) << "of " << pedidos_.size();
        pedidos_.clear();
        nossas_.clear();
    }

private:
    QStringList pedidos_;
    QStringList nossas_;
};

// Random texts over an alphabet, from a fixed seed so that every run sees the same numbers.
class Gerador {
public:
    explicit Gerador(std::uint32_t semente) : aleatorio_(semente) {}
    QString Texto(int tamanho, QStringView alfabeto = u"0123456789") {
        std::uniform_int_distribution<qsizetype> indice(0, alfabeto.size() - 1);
        QString texto(tamanho, QLatin1Char('0'));
        for (QChar& c : texto)
            c = alfabeto[indice(aleatorio_)];
        return texto;
    }
    int Inteiro(int minimo, int maximo) {
        return std::uniform_int_distribution<int>(minimo, maximo)(aleatorio_);
    }

private:
    std::mt19937 aleatorio_;
};

inline QString Booleano(bool valor) {
    return valor ? QStringLiteral("True") : QStringLiteral("False");
}
