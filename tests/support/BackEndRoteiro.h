#pragma once
// A dialog back end for tests of the GUI-free layer: records everything TmDlg asks of it, in
// order, and answers the dialogs from a queue (no answer left: false, as a user's "no").

#include <QObject>
#include <QString>
#include <deque>
#include <vector>

#include "dialogos/mensagens/mMensagem.h"

class TBackEndRoteiro : public TDialogosBackEnd {
public:
    std::vector<TParametrosDialogo> dialogos;
    std::vector<QString> eventos;  // "taskbar N", "dialogo", "som", "foco"
    std::deque<bool> respostas;
    QObject* focado = nullptr;

    bool Executar(const TParametrosDialogo& d) override {
        dialogos.push_back(d);
        eventos.push_back(QStringLiteral("dialogo"));
        if (respostas.empty())
            return false;
        const bool r = respostas.front();
        respostas.pop_front();
        return r;
    }
    void SetTaskbarEstado(int e) override {
        eventos.push_back(QStringLiteral("taskbar %1").arg(e));
    }
    void TocarSom(TMsgDlgType) override { eventos.push_back(QStringLiteral("som")); }
    void Focar(QObject* c) override {
        eventos.push_back(QStringLiteral("foco"));
        focado = c;
    }
};
