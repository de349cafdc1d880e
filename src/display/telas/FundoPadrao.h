#pragma once
// The built-in idle picture (600 x 138, transparent around the drawing), shown centred on the
// white sale page while no background file is found.

#include <QImage>

namespace FundoPadrao {
QImage Imagem();
}
