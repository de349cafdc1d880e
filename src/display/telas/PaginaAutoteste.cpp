#include "display/telas/PaginaAutoteste.h"

#include <QPainter>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int kPassoGrade = 64;
constexpr std::array<QRgb, 8> kBarras = {0xFFFFFF, 0xFFFF00, 0x00FFFF, 0x00FF00,
                                         0xFF00FF, 0xFF0000, 0x0000FF, 0x000000};
constexpr int kDegrausCinza = 16;

void DesenharGrade(QPainter& p, const QRect& area) {
    p.setPen(QColor(90, 90, 90));
    for (int x = kPassoGrade; x < area.width(); x += kPassoGrade)
        p.drawLine(x, 0, x, area.height() - 1);
    for (int y = kPassoGrade; y < area.height(); y += kPassoGrade)
        p.drawLine(0, y, area.width() - 1, y);
    p.drawLine(area.topLeft(), area.bottomRight());
    p.drawLine(area.topRight(), area.bottomLeft());
    const int raio = std::min(area.width(), area.height()) * 2 / 5;
    p.drawEllipse(area.center(), raio, raio);
    p.setPen(Qt::white);
    p.drawRect(area.adjusted(0, 0, -1, -1));
}

void DesenharFaixas(QPainter& p, const QRect& area) {
    const int altura = area.height() / 8;
    const int topoBarras = area.height() - 2 * altura;
    const int largura = area.width() / int(kBarras.size());
    for (std::size_t i = 0; i < kBarras.size(); ++i)
        p.fillRect(int(i) * largura + 1, topoBarras, largura, altura, QColor(kBarras[i]));
    const int larguraDegrau = area.width() / kDegrausCinza;
    for (int i = 0; i < kDegrausCinza; ++i) {
        const int cinza = i * 255 / (kDegrausCinza - 1);
        p.fillRect(i * larguraDegrau + 1, topoBarras + altura, larguraDegrau, altura - 1,
                   QColor(cinza, cinza, cinza));
    }
}

}  // namespace

TPaginaAutoteste::TPaginaAutoteste(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabAutoteste"));
    lbAutoteste = new QLabel(this);
    lbAutoteste->setObjectName(QStringLiteral("lbAutoteste"));
    lbAutoteste->setTextFormat(Qt::PlainText);
    lbAutoteste->setAutoFillBackground(true);
    lbAutoteste->setMargin(16);
    QPalette cores = lbAutoteste->palette();
    cores.setColor(QPalette::Window, Qt::black);
    cores.setColor(QPalette::WindowText, Qt::white);
    lbAutoteste->setPalette(cores);
    QFont fonte = lbAutoteste->font();
    fonte.setPointSize(14);
    lbAutoteste->setFont(fonte);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbAutoteste, 0, Qt::AlignCenter);
}

QString TPaginaAutoteste::Texto(const TEstadoAutoteste& e) {
    const QRect& g = e.geometriaMonitor;
    return QStringLiteral(
               "Autoteste do display %1\n\n"
               "Endereços: %2\n"
               "Porta %3: %4\n"
               "Última conexão: %5\n"
               "Linhas recebidas: %6\n"
               "Monitor %7: %8 x %9 em (%10, %11)\n\n"
               "Qualquer tecla ou comando do PDV volta à tela normal.")
        .arg(e.versao, e.enderecos.isEmpty() ? QStringLiteral("nenhum") : e.enderecos.join(u", "),
             QString::number(e.porta),
             e.ouvindo ? QStringLiteral("ouvindo") : QStringLiteral("NÃO está ouvindo"),
             e.ultimaConexao.isEmpty() ? QStringLiteral("nenhuma") : e.ultimaConexao,
             QString::number(e.linhasRecebidas), QString::number(e.monitor),
             QString::number(g.width()), QString::number(g.height()), QString::number(g.x()),
             QString::number(g.y()));
}

void TPaginaAutoteste::Exibir(const TEstadoAutoteste& estado) {
    lbAutoteste->setText(Texto(estado));
}

void TPaginaAutoteste::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(32, 32, 32));
    DesenharGrade(p, rect());
    DesenharFaixas(p, rect());
}
