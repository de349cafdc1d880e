#include "desenho/som/TmSpeaker.h"

#include <QApplication>

namespace {

int& Contagem() {
    static int contagem = 0;
    return contagem;
}

}  // namespace

void TmSpeaker::Bip() {
    ++Contagem();
    QApplication::beep();
}

int TmSpeaker::BipsTocados() {
    return Contagem();
}
