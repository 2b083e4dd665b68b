#include "modifyprofilewindow.h"

#include "plotlegends.h"

#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {
const int Baseline = 225;
const int FirstK = 80;  // 20 degC
const int LastK = 140;  // 50 degC
// Where the legend stands while the curve leaves it clear.
const QPoint LegendAt(80, 0);
} // namespace

ModifyProfileWindow::ModifyProfileWindow(QWidget *parent)
    : QFrame(parent)
{
    setFixedSize(320, 240);
    setFont(QFont(QStringLiteral("wenquanyi"), 8));
    m_legend = new QLabel(QStringLiteral("blue:etc/calc_lenxx_tempxx.conf"), this);
    m_legend->move(LegendAt);
    m_legend->hide();
}

void ModifyProfileWindow::setFile(const QString &file)
{
    m_legend->hide();
    m_file = file;
    m_legend->setText(QStringLiteral("yellow:") + file);
    m_legend->adjustSize();
    m_legend->show();
    updateModify(file);
}

void ModifyProfileWindow::updateModify(const QString &file)
{
    qDebug("update modify filename:%s ", qPrintable(file));
    m_factors.load(file);
    placeLegend();
    update();
}

QPoint ModifyProfileWindow::curvePoint(int k, float factor)
{
    const double t = k * 0.5 - 20.0;
    const int x = int((t - 20.0) * 10.0);
    const int y = int(float(Baseline + (-225.0) * (double(factor) - 0.8) / (1.2 - 0.8)));
    return QPoint(x, y);
}

void ModifyProfileWindow::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawPlot(painter);
}

void ModifyProfileWindow::placeLegend()
{
    PlotLegends::of(this, [this](QPainter &painter) { drawPlot(painter); }).place(m_legend, LegendAt);
}

void ModifyProfileWindow::drawPlot(QPainter &painter) const
{
    QPainterPath axes;
    axes.moveTo(0, 0);
    axes.lineTo(0, Baseline);
    axes.lineTo(320, Baseline);
    painter.drawPath(axes);
    const QFontMetrics metrics(font());
    for (int t = 20; t < 50; ++t) {
        const int x = (t - 20) * 10;
        if (t % 2 == 0) {
            const QString label = QStringLiteral("%1").arg(t);
            painter.drawText(t == 20 ? 0 : x - metrics.horizontalAdvance(label) / 2, 240, label);
        }
        painter.drawLine(x, 220, x, Baseline);
    }
    for (int k = 0; k < 8; ++k) {
        const QString label = QString::asprintf("%4.4f", 1.2 - 0.05 * k).left(9);
        painter.drawText(0, 28 * k + 3 + metrics.height() / 2, label);
        painter.drawLine(0, 28 * k, 5, 28 * k);
    }
    QPainterPath curve;
    for (int k = FirstK; k <= LastK; ++k) {
        const QPoint p = curvePoint(k, m_factors.factor(k));
        if (p.x() == 0)
            curve.moveTo(p);
        else
            curve.lineTo(p);
    }
    painter.setPen(Qt::blue);
    painter.drawPath(curve);
}

void ModifyProfileWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    QFrame::keyPressEvent(event);
}
