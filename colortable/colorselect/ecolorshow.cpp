#include "ecolorshow.h"

#include "custompalettestore.h"
#include "ecolordialog.h"
#include "ecolortablerect.h"
#include "ecustombutton.h"
#include "edialogtitle.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
// The finger's global x at the last press on a marker, and that marker's x.
int m_press_x = 0;
int m_oldx = 0;

const char *const s_markerNames[] = {"oneQuarter", "twoQuarter", "threeQuarter"};
const char *const s_chooserObjects[] = {"oneQuarterColor", "twoQuarterColor", "threeQuarterColor"};

QColor toColor(const _rgb_item &c)
{
    return QColor(c.r, c.g, c.b);
}

_rgb_item toItem(const QColor &c)
{
    return _rgb_item{uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue()), 0};
}

int tenths(float t)
{
    return int(std::lround(double(t) * 10.0));
}

QString tenthsText(int t)
{
    return QString::asprintf("%.1f", t / 10.0);
}

// What the button's style keeps around its text (frame and margins): a
// button only as wide as its text would have the text's ends cut.
int stylePadding(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->isFlat())
        option.features |= QStyleOptionButton::Flat;
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return option.rect.width() - contents.width();
}
} // namespace

EColorShow::EColorShow(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    QVBoxLayout *layout = nullptr;
    m_title = EDialogTitle::headColumnDialog(this, &layout);
    setFixedWidth(320);
    layout->addSpacing(30);

    m_table = m_record.table();
    m_strip = new EColorTableRect(this, 1, 256, 30);
    m_minButton = new QPushButton(this);
    m_minButton->setObjectName(QStringLiteral("minColor"));
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k)
        m_markers[k] = new ECustomButton(QLatin1String(s_markerNames[k]), this);
    m_maxButton = new QPushButton(this);
    m_maxButton->setObjectName(QStringLiteral("maxColor"));
    for (QPushButton *button : {m_minButton, m_maxButton}) {
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedHeight(32);
        button->hide();
    }
    QFont markerFont = font();
    markerFont.setPointSize(12);
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k) {
        ECustomButton *marker = m_markers[k];
        marker->setFixedHeight(32);
        marker->setFont(markerFont);
        marker->hide();
        connect(marker, &ECustomButton::signal_press, this, &EColorShow::slot_pressButton);
        connect(marker, &ECustomButton::signal_move, this, &EColorShow::slot_moveButton);
        connect(marker, &ECustomButton::signal_release, this, &EColorShow::slot_releaseButton);
    }
    connect(m_minButton, &QPushButton::clicked, this, &EColorShow::slot_clickedMinItem);
    connect(m_maxButton, &QPushButton::clicked, this, &EColorShow::slot_clickedMaxItem);
    connect(m_markers[0], &QPushButton::clicked, this, &EColorShow::slot_clickedOneQuarterItem);
    connect(m_markers[1], &QPushButton::clicked, this, &EColorShow::slot_clickedTwoQuarterItem);
    connect(m_markers[2], &QPushButton::clicked, this, &EColorShow::slot_clickedThreeQuarterItem);

    auto *ends = new QHBoxLayout;
    ends->setContentsMargins(0, 0, 0, 0);
    ends->addSpacing(2);
    ends->addWidget(m_minButton);
    ends->addStretch();
    ends->addWidget(m_maxButton);
    ends->addSpacing(2);
    layout->addLayout(ends);
    layout->addWidget(m_strip, 0, Qt::AlignHCenter);
    layout->addStretch();
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k) {
        m_ticks[k] = new QFrame(this);
        m_ticks[k]->setFrameShape(QFrame::VLine);
        m_ticks[k]->setFrameShadow(QFrame::Plain);
        m_ticks[k]->setFixedSize(1, 7);
        m_ticks[k]->hide();
    }
    m_strip->hide();

    connect(m_title, &EDialogTitle::cancel, this, &EColorShow::slot_cancelClicked);
    connect(m_title, &EDialogTitle::done, this, &EColorShow::slot_okClicked);
    setStyleSheet(QStringLiteral(
        "QPushButton{background-color: rgb(0,128,240); color: black;}"
        "QLabel#Slider{background-color: grey;}"
        "QScrollBar:vertical{border: 0px none; background: white; width: 3px;}"));
    for (QPushButton *button : {m_minButton, m_maxButton})
        button->setStyleSheet(QStringLiteral("text-align: center;"));
    for (ECustomButton *marker : m_markers)
        marker->setStyleSheet(QStringLiteral("text-align: center;"));

    m_dialog = new EColorDialog(Qt::green);
    m_dialog->setFixedSize(320, 240);
    m_dialog->setWindowFlags(Qt::FramelessWindowHint);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->hide();
    connect(m_dialog, qOverload<const QColor &, const QString &, bool>(&EColorDialog::currentColor), this,
            qOverload<const QColor &, const QString &, bool>(&EColorShow::selectColor));
    connect(m_dialog, qOverload<const QColor &, const QString &, float>(&EColorDialog::currentColor), this,
            qOverload<const QColor &, const QString &, float>(&EColorShow::selectColor));

    const QPixmap lock(QStringLiteral(":/images/locked.png"));
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k) {
        m_locks[k] = new QLabel(this);
        m_locks[k]->setPixmap(lock);
        m_locks[k]->setFixedSize(8, 8);
        m_locks[k]->hide();
        m_dragLabels[k] = new QLabel(this);
        m_dragLabels[k]->setFont(markerFont);
        m_dragLabels[k]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        m_dragLabels[k]->hide();
    }
}

void EColorShow::setCurrentIndex(int slot)
{
    m_current = slot;
}

void EColorShow::setTitle(const QString &name)
{
    m_title->setText(name);
}

const _rgb_item *EColorShow::getColorTable(int slot)
{
    readColorTable(slot);
    return m_table.data();
}

void EColorShow::getMinMaxTemp(float *min, float *max) const
{
    *min = m_record.minTemp();
    *max = m_record.maxTemp();
}

void EColorShow::readColorTable(int slot)
{
    qWarning("read color table:%d", slot);
    m_record = CustomPaletteRecord::read(slot);
    showRecord();
}

void EColorShow::showRecord()
{
    fitText(m_maxButton, m_record.maxText(), 10);
    fitText(m_minButton, m_record.minText(), 10);
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k)
        placeMarker(k);
    rebuild();
}

void EColorShow::fitText(QPushButton *button, const QString &text, int extra)
{
    button->setText(text);
    const int padding = std::max(extra, stylePadding(button));
    button->setFixedWidth(QFontMetrics(button->font()).horizontalAdvance(text) + padding);
}

void EColorShow::placeMarker(int k)
{
    ECustomButton *marker = m_markers[k];
    fitText(marker, m_record.quarterText(k), 0);
    const int t = StripLeft + m_record.position(k);
    marker->move(t - marker->width() / 2, MarkerY);
    m_ticks[k]->move(t, TickY);
    m_locks[k]->move(t - 4, LockY);
    m_locks[k]->setVisible(m_record.enabled(k));
}

void EColorShow::rebuild()
{
    m_table = m_record.table();
    m_strip->setColorTable(m_table.data());
}

void EColorShow::change(int slot)
{
    readColorTable(slot);
    m_strip->show();
    m_minButton->show();
    m_maxButton->show();
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k) {
        m_markers[k]->show();
        m_ticks[k]->show();
        m_dragLabels[k]->hide();
    }
    // Place the strip now: the markers are aligned to it.
    layout()->activate();
}

void EColorShow::showEvent(QShowEvent *event)
{
    change(m_current);
    QWidget::showEvent(event);
}

void EColorShow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        slot_cancelClicked();
}

void EColorShow::slot_cancelClicked()
{
    close();
}

void EColorShow::slot_okClicked()
{
    const CustomPaletteRecord record = m_record;
    const int slot = m_current;
    // The record is the user's work: written, synced and checked before
    // anyone is told it is there.
    if (!CustomPaletteStore::commit([&](QSettings &settings) { record.write(settings, slot); })) {
        CustomPaletteStore::reportFailure();
        return;
    }
    close();
    emit signal_okClicked();
}

int EColorShow::quarterOf(const QString &name) const
{
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k) {
        if (name == QLatin1String(s_markerNames[k]))
            return k;
    }
    return -1;
}

void EColorShow::slot_pressButton(const QString &name, int x)
{
    qWarning("name:%s press x:%d", qPrintable(name), x);
    const int k = quarterOf(name);
    if (k < 0)
        return;
    m_press_x = x;
    m_oldx = m_markers[k]->x();
    m_moved = false;
}

void EColorShow::slot_moveButton(const QString &name, int x)
{
    qWarning("name:%s move x:%d press:%d", qPrintable(name), x, m_press_x);
    const int k = quarterOf(name);
    if (k < 0)
        return;
    m_moved = true;
    ECustomButton *marker = m_markers[k];
    const int w = marker->width();
    int nx = m_oldx + (x - m_press_x);
    int t = 0;
    if (k == 0) {
        t = nx + w / 2;
        if (t <= StripLeft)
            t = StripLeft + 1;
        else
            t = std::min(t, m_markers[1]->x() - w / 2);
    } else if (k == 1) {
        const int firstRight = m_markers[0]->x() + m_markers[0]->width() - 1;
        nx = std::max(std::min(nx, m_markers[2]->x() - w), firstRight);
        t = nx + w / 2;
    } else {
        t = nx + w / 2;
        if (t > StripLeft + 254)
            t = StripLeft + 254;
        else
            t = std::max(t, m_markers[1]->x() + m_markers[1]->width() - 1 + w / 2);
    }
    // The order of the anchors holds whatever the text widths are.
    const int lo = k == 0 ? 1 : m_record.position(k - 1) + 1;
    const int hi = k == 2 ? 254 : m_record.position(k + 1) - 1;
    const int position = std::clamp(t - StripLeft, lo, hi);
    const bool clamped = position != t - StripLeft;
    t = StripLeft + position;
    m_record.setPosition(k, position);
    const QString text = CustomPaletteRecord::temperatureAt(m_record.minTemp(), m_record.maxTemp(), position);
    m_record.setQuarterText(k, text);
    fitText(marker, text, 0);
    int bx = t - marker->width() / 2;
    if (k == 1 && !clamped)
        bx = nx;
    if (k == 2)
        bx = std::max(bx, m_markers[1]->x() + m_markers[1]->width() - 1);
    marker->move(bx, MarkerY);
    m_ticks[k]->move(t, TickY);
    m_locks[k]->move(t - 4, LockY);
    m_locks[k]->hide();
    rebuild();
    QLabel *label = m_dragLabels[k];
    label->setText(text);
    label->setFixedWidth(QFontMetrics(label->font()).horizontalAdvance(text));
    label->move(dragLabelX(t, label->width()), DragLabelY);
    label->show();
    label->raise();
}

int EColorShow::dragLabelX(int t, int width) const
{
    // Centred on the tick, but kept between the end buttons: near an end
    // it would be drawn over the end's temperature.
    const int left = m_minButton->geometry().right() + 1;
    const int right = std::max(left, m_maxButton->x() - width);
    return std::clamp(t - width / 2, left, right);
}

void EColorShow::slot_releaseButton(const QString &name, int x)
{
    qWarning("name:%s release x:%d", qPrintable(name), x);
    const int k = quarterOf(name);
    if (k < 0)
        return;
    m_dragLabels[k]->hide();
    m_locks[k]->setVisible(m_record.enabled(k));
}

void EColorShow::slot_clickedMinItem()
{
    m_dialog->setObject(QStringLiteral("minColor"));
    m_dialog->setValue(m_record.minTemp());
    m_dialog->setInitialColor(toColor(m_record.point(0)));
    m_dialog->move(0, 0);
    m_dialog->setVisible(true);
}

void EColorShow::slot_clickedMaxItem()
{
    m_dialog->setObject(QStringLiteral("maxColor"));
    m_dialog->setValue(m_record.maxTemp());
    m_dialog->setInitialColor(toColor(m_record.point(4)));
    m_dialog->move(0, 0);
    m_dialog->setVisible(true);
}

void EColorShow::clickedQuarter(int k)
{
    // The click that ends a drag opens nothing.
    if (m_moved)
        return;
    m_dialog->setObject(QLatin1String(s_chooserObjects[k]));
    m_dialog->setInitialColor(toColor(m_record.point(k + 1)));
    m_dialog->setCheckEnabled(m_record.enabled(k));
    m_dialog->move(0, 0);
    m_dialog->setVisible(true);
}

void EColorShow::slot_clickedOneQuarterItem()
{
    clickedQuarter(0);
}

void EColorShow::slot_clickedTwoQuarterItem()
{
    clickedQuarter(1);
}

void EColorShow::slot_clickedThreeQuarterItem()
{
    clickedQuarter(2);
}

void EColorShow::selectColor(const QColor &color, const QString &object, bool on)
{
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k) {
        if (object != QLatin1String(s_chooserObjects[k]))
            continue;
        m_record.setPoint(k + 1, toItem(color));
        m_record.setEnabled(k, on);
        m_locks[k]->setVisible(on);
    }
    rebuild();
}

void EColorShow::selectColor(const QColor &color, const QString &object, float t)
{
    const bool isMin = object == QLatin1String("minColor");
    const bool isMax = object == QLatin1String("maxColor");
    if (isMin || isMax) {
        // The lower end stays at least 1 degree below the upper one; an
        // answer that breaks this is clamped, and the button shows it.
        int lower = tenths(m_record.minTemp());
        int upper = tenths(m_record.maxTemp());
        if (isMin)
            lower = std::min(tenths(t), upper - 10);
        else
            upper = std::max(tenths(t), lower + 10);
        m_record.setRange(tenthsText(lower), tenthsText(upper));
        m_record.setPoint(isMin ? 0 : 4, toItem(color));
        fitText(isMin ? m_minButton : m_maxButton, isMin ? m_record.minText() : m_record.maxText(), 10);
        relabelQuarters();
    }
    rebuild();
}

void EColorShow::relabelQuarters()
{
    for (int k = 0; k < CustomPaletteRecord::QuarterCount; ++k) {
        const QString text = CustomPaletteRecord::temperatureAt(m_record.minTemp(), m_record.maxTemp(), m_record.position(k));
        m_record.setQuarterText(k, text);
        fitText(m_markers[k], text, 0);
    }
}
