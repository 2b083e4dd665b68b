#include "profilewindow.h"

#include "calibrationfile.h"
#include "calibtable.h"
#include "centredquestion.h"
#include "paths.h"
#include "plotlegends.h"
#include "tablefilelimit.h"

#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstring>

namespace {

const int Baseline = 225;
const int Width = 320;
// Where the legends stand while the curves leave them clear.
const QPoint LegendAt(80, 0);
const QPoint Legend2At(80, 32);

QRect marker(int x, int y, int half)
{
    return QRect(QPoint(x - half, y - half), QPoint(x + half - 1, y + half - 1));
}

} // namespace

ProfileWindow::ProfileWindow(QWidget *parent)
    : QFrame(parent)
{
    setFixedSize(320, 240);
    setFont(QFont(QStringLiteral("wenquanyi"), 8));
    // The generated table's legend on top, the table in use below it; both
    // texts are replaced before either is shown.
    m_legend = new QLabel(QStringLiteral("blue:etc/calc_lenxx_tempxx.conf"), this);
    m_legend->move(LegendAt);
    m_legend2 = new QLabel(QStringLiteral("yellow:etc/calc_lenxx_tempxx.conf"), this);
    m_legend2->move(Legend2At);
    m_legend->hide();
    m_legend2->hide();
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setGeometry(60, 100, 200, 30);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setStyleSheet(QStringLiteral("QLabel{color:white;background:rgb(200,40,40);}"));
    m_message->hide();
    std::memset(&m_primary, 0, sizeof m_primary);
    std::memset(&m_comparison, 0, sizeof m_comparison);
}

QString ProfileWindow::message() const
{
    return m_message->isHidden() ? QString() : m_message->text();
}

void ProfileWindow::showMessage(const QString &text)
{
    m_message->setText(text);
    m_message->show();
    m_message->raise();
}

void ProfileWindow::setFile(const QString &file)
{
    m_legend->hide();
    m_legend2->hide();
    m_message->hide();
    m_file = file;
    m_file2.clear();
    m_legend->setText(QStringLiteral("yellow:") + file);
    m_legend->adjustSize();
    m_legend->show();
    std::memset(&m_primary, 0, sizeof m_primary);
    std::memset(&m_comparison, 0, sizeof m_comparison);
    std::printf("file name %s\n", qPrintable(file));
    // The points the library loads, and whether it would use them.
    m_sound = CalibrationFile::readTable(file, &m_primary);
    const int n = m_primary.num;
    m_bottomAD = n > 0 ? m_primary.ad[0] : 0;
    m_topAD = n > 0 ? m_primary.ad[n - 1] : 0;
    int steepest = 0;
    for (int i = 1; i < n; ++i) {
        int slope = 0;
        if (slopeAt(i, &slope) && slope > steepest)
            steepest = slope;
    }
    m_slopeScale = 10 * steepest;
    placeLegends();
    update();
}

void ProfileWindow::setFile2(const QString &file)
{
    m_file2 = file;
    m_legend2->setText(QStringLiteral("blue:") + file);
    m_legend2->adjustSize();
    m_legend2->show();
    std::printf("file name %s\n", qPrintable(file));
    CalibrationFile::readTable(file, &m_comparison);
    placeLegends();
    update();
}

bool ProfileWindow::slopeAt(int i, int *slope) const
{
    const int width = m_primary.temp[i] - m_primary.temp[i - 1];
    if (width == 0)
        return false;
    *slope = (int(m_primary.ad[i]) - int(m_primary.ad[i - 1])) / width;
    return true;
}

int ProfileWindow::yOf(int ad) const
{
    // A table of one point, or a flat one, has no vertical scale.
    if (m_primary.num < 2 || m_topAD == m_bottomAD)
        return Baseline;
    const float y = float(Baseline) + (-225.0f * float(ad - m_bottomAD)) / float(m_topAD - m_bottomAD);
    return int(y);
}

void ProfileWindow::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    drawPlot(painter);
}

void ProfileWindow::placeLegends()
{
    PlotLegends legends = PlotLegends::of(this, [this](QPainter &painter) { drawPlot(painter); });
    if (!m_legend->isHidden())
        legends.place(m_legend, LegendAt);
    if (!m_legend2->isHidden())
        legends.place(m_legend2, Legend2At);
}

void ProfileWindow::drawPlot(QPainter &painter) const
{
    const QFontMetrics metrics(font());
    const int n = m_primary.num;
    const int step = n > 0 ? Width / n : 0;

    QPainterPath axes;
    axes.moveTo(0, 0);
    axes.lineTo(0, Baseline);
    axes.lineTo(Width, Baseline);
    painter.drawPath(axes);

    for (int i = 0; i < n; ++i) {
        const int x = step * i;
        if (i % 2 == 0) {
            const QString label = QStringLiteral("%1").arg(m_primary.temp[i]);
            painter.setPen(Qt::black);
            painter.drawText(i == 0 ? QPoint(0, 240) : QPoint(x - metrics.horizontalAdvance(label) / 2, 240), label);
        }
        painter.setPen(m_primary.temp[i] == 30 ? Qt::red : Qt::black);
        painter.drawLine(x, 220, x, Baseline);
    }
    painter.setPen(Qt::black);
    for (int k = 0; k < 10; ++k) {
        const int v = m_topAD - ((m_topAD - m_bottomAD) * k) / 10;
        painter.drawText(0, 22 * k + 3 + metrics.height() / 2, QStringLiteral("0x%1").arg(v, 0, 16));
        painter.drawLine(0, 22 * k, 5, 22 * k);
    }

    QPainterPath primary;
    painter.setPen(Qt::red);
    for (int i = 0; i < n; ++i) {
        const int x = step * i;
        const int y = yOf(m_primary.ad[i]);
        i == 0 ? primary.moveTo(x, y) : primary.lineTo(x, y);
        painter.drawEllipse(marker(x, y, 2));
    }
    painter.setPen(Qt::yellow);
    painter.drawPath(primary);

    if (m_comparison.ad[0] != 0) {
        QPainterPath comparison;
        painter.setPen(Qt::gray);
        for (int i = 0; i < n; ++i) {
            const int x = step * i;
            for (int j = 0; j < m_comparison.num && j < TEMP_TAB_POINTS && m_comparison.ad[j] != 0; ++j) {
                if (m_comparison.temp[j] != m_primary.temp[i])
                    continue;
                const int y = yOf(m_comparison.ad[j]);
                comparison.elementCount() == 0 ? comparison.moveTo(x, y) : comparison.lineTo(x, y);
                painter.drawEllipse(marker(x, y, 4));
            }
        }
        painter.setPen(Qt::blue);
        painter.drawPath(comparison);
    }

    // Without a rising step there is nothing to scale the slopes by.
    if (m_slopeScale > 0) {
        QPainterPath slopes;
        slopes.moveTo(0, 220);
        painter.setPen(QColor(255, 0, 255));
        painter.drawEllipse(marker(0, Baseline, 2));
        for (int i = 1; i < n; ++i) {
            int slope = 0;
            if (!slopeAt(i, &slope))
                continue;
            const int x = step * i;
            const int y = Baseline - (2200 * slope) / m_slopeScale;
            slopes.lineTo(step * (i - 1), y);
            slopes.lineTo(x, y);
            painter.drawEllipse(marker(x, y, 2));
        }
        painter.setPen(Qt::green);
        painter.drawPath(slopes);
    }
}

void ProfileWindow::discardGenerated()
{
    QFile generated(Paths::resolve(m_file));
    if (generated.exists() && !generated.remove())
        qWarning("remove %s failed: %s", qPrintable(m_file), qPrintable(generated.errorString()));
}

void ProfileWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_legend2->isHidden()) {
            close();
        } else if (!m_sound) {
            // The library would refuse it: it is never offered.
            showMessage(QStringLiteral("Table not rising!"));
            discardGenerated();
            m_legend2->hide();
        } else {
            switch (CentredQuestion::ask(QStringLiteral("Save biaoding table?"))) {
            case QMessageBox::Yes:
                saveBiaoDingTable();
                break;
            case QMessageBox::No:
                close();
                discardGenerated();
                break;
            default:
                break;
            }
        }
    }
    QFrame::keyPressEvent(event);
}

bool ProfileWindow::saveBiaoDingTable()
{
    QByteArray text;
    const bool copied = TableFileLimit::read(Paths::resolve(m_file), &text) && CalibTable::replaceFile(m_file2, text);
    if (!copied) {
        qWarning("copy %s to %s failed", qPrintable(m_file), qPrintable(m_file2));
        showMessage(QStringLiteral("Save failed!"));
        return false;
    }
    discardGenerated();
    close();
    Q_EMIT signal_save();
    return true;
}

void ProfileWindow::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
}
