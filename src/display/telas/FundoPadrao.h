#pragma once
// The built-in idle picture (600 x 138, transparent around the drawing), shown centred on the
// white sale page while no background file is found.
//
// It is a picture compiled into the program with its text already drawn, so that the idle screen
// draws no text of its own and its first frame does not wait for the font system to start.

#include <QImage>

namespace FundoPadrao {
QImage Imagem();
}
