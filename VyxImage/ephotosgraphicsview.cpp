#include "ephotosgraphicsview.h"

#include "eareaitem.h"
#include "eareagraphicsitem.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "elinearrowitem.h"
#include "elinegraphicsitem.h"
#include "elinewidget.h"
#include "ereadingshost.h"
#include "espotgraphicsitem.h"
#include "espotwidget.h"
#include "mappedphoto.h"
#include "photolayout.h"
#include "startup.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>

#include <cstring>

using PhotoLayout::getU16;

namespace {

// Where the replay finds its values in a parameter record.
enum : int {
    SceneMax = 0x034,
    SceneMin = 0x036,
    RangeIndex = 0x03A,
    SpotBase = 0x100,
    SpotStride = 32,
    AreaBase = 0x300,
    AreaStride = 64,
    LineBase = 0x500,
    LineStride = 32,
};

// Status fields end where the next field starts.
enum : int { SpotStatusSize = 9, AreaMaxStatusSize = 6, AreaMinStatusSize = 6, AreaAvgStatusSize = 8, LineStatusSize = 11 };

const QString DegreeC = QString(QChar(0x00B0)) + QLatin1Char('C');

EGraphicsTextItem *whiteText(QGraphicsScene *scene, const QString &text)
{
    auto *item = new EGraphicsTextItem(scene);
    item->setDefaultTextColor(Qt::white);
    item->setPlainText(text);
    if (scene)
        scene->addItem(item);
    item->hide();
    return item;
}

} // namespace

EPhotosGraphicsView::EPhotosGraphicsView(QGraphicsView *view)
    : m_view(view)
    , m_scene(view ? view->scene() : nullptr)
    , m_record(RecordSize, '\0')
{
    QGraphicsScene *scene = m_scene.data();
    for (int n = 1; n <= 3; ++n)
        m_spots.insert(n - 1, new ESpotWidget(scene, nullptr, n, false, true));
    for (int n = 1; n <= 3; ++n)
        m_areas.insert(n - 1, new EAreaWidget(scene, nullptr, n, true, 80, 80));
    for (int n = 1; n <= 2; ++n)
        m_lines.insert(n - 1, new ELineWidget(scene, nullptr, n, true));
    m_legend = whiteText(scene, QString());
    m_legend->setPos(4, 2);
    m_unit = whiteText(scene, DegreeC);
    m_minLabel = whiteText(scene, QStringLiteral("25.0"));
    m_minLabel->setPos(322 - m_minLabel->boundingRect().width(), 187);
    m_maxLabel = whiteText(scene, QStringLiteral("100.0"));
    m_maxLabel->setPos(322 - m_maxLabel->boundingRect().width(), 37);
}

EPhotosGraphicsView::~EPhotosGraphicsView()
{
    // The objects' items point back at them: while the scene still holds
    // them they go first.
    if (m_scene) {
        for (ESpotWidget *s : std::as_const(m_spots)) {
            delete s->marker();
            delete s->label();
        }
        for (EAreaWidget *a : std::as_const(m_areas)) {
            delete a->rectItem();
            delete a->label();
            delete a->maxMarker();
            delete a->minMarker();
        }
        for (ELineWidget *l : std::as_const(m_lines)) {
            delete l->lineItem();
            delete l->arrow();
        }
        delete m_legend;
        delete m_unit;
        delete m_minLabel;
        delete m_maxLabel;
    }
    qDeleteAll(m_spots);
    qDeleteAll(m_areas);
    qDeleteAll(m_lines);
}

void EPhotosGraphicsView::loadNetImage(const QFileInfo &file)
{
    qWarning("======filename:%s", qPrintable(file.fileName()));
    close();
    readIRDataFromFile(file.absoluteFilePath());
}

void EPhotosGraphicsView::readIRDataFromFile(const QString &path)
{
    const MappedPhoto file(path);
    if (!file.isOpen()) {
        qWarning("open %s Err \n", qPrintable(path));
        return;
    }
    const PhotoReader::Photo &photo = file.photo();
    m_storedImageMode = photo.valid ? photo.imageMode : 0;
    qWarning("\t get file length %d \n", int(file.bytes().size()));
    qWarning("ret2:%d type:%d", photo.valid ? int(PhotoLayout::HeaderSize) : 0, m_storedImageMode);
    // Only a checked IR block is replayed: without one there is nothing
    // recorded to show (the header's own bytes are no record).
    if (!photo.valid || !acceptsImageMode(m_storedImageMode) || !photo.irBlock.isValid())
        return;
    qWarning("ir para offset:%d[%x]", int(photo.irBlock.offset), unsigned(photo.irBlock.offset));
    analysisIRData(file.slice(PhotoReader::parameterRecord(photo.irBlock)));
}

void EPhotosGraphicsView::analysisIRData(const QByteArray &record)
{
    m_record.fill('\0');
    std::memcpy(m_record.data(), record.constData(), size_t(qMin<qsizetype>(record.size(), RecordSize)));
    const auto *r = reinterpret_cast<const unsigned char *>(m_record.constData());
    const auto *c = m_record.constData();

    if (showsBarLabels(m_storedImageMode)) {
        const QString max = QString::asprintf("%.1f", double(EGlobal::unit_out_temp(fromT10r(uint16_t(getU16(r + SceneMax))))));
        const QString min = QString::asprintf("%.1f", double(EGlobal::unit_out_temp(fromT10r(uint16_t(getU16(r + SceneMin))))));
        placeBarLabel(m_maxLabel, max, 36);
        placeBarLabel(m_minLabel, min, 186);
    }

    const auto [rangeMin, rangeMax] = recordRangeLimits(r[RangeIndex]);

    for (int n = 1; n <= 3; ++n) {
        const int o = SpotBase + SpotStride * (n - 1);
        if (!r[o]) {
            hideSpot(n);
            continue;
        }
        ESpotWidget *s = spot(n);
        s->setModeForDisplay(int(getU16(r + o + 0x14)));
        s->move(int(getU16(r + o + 0x02)), int(getU16(r + o + 0x04)), 0);
        s->setTemp(readingText(c + o + 0x17, SpotStatusSize, uint16_t(getU16(r + o + 0x08)), false, rangeMin, rangeMax));
        showSpot(n);
    }

    for (int n = 1; n <= 3; ++n) {
        const int o = AreaBase + AreaStride * (n - 1);
        if (!r[o]) {
            hideArea(n);
            continue;
        }
        EAreaWidget *a = area(n);
        const int left = int(getU16(r + o + 0x02));
        const int top = int(getU16(r + o + 0x04));
        const int right = int(getU16(r + o + 0x06));
        const int bottom = int(getU16(r + o + 0x08));
        a->move(left, top, 0);
        // A reversed edge gives the smallest area; the object holds the
        // rest to the screen as a drag would.
        a->setWidth(qMax(0, right - left));
        a->setHeight(qMax(0, bottom - top));
        const Area_Mode_t mode{r[o + 0x28], r[o + 0x29], r[o + 0x2A], 0};
        if (mode.max)
            a->setMaxPos(qBound(0, int(getU16(r + o + 0x20)), 319), qBound(0, int(getU16(r + o + 0x22)), 239));
        if (mode.min)
            a->setMinPos(qBound(0, int(getU16(r + o + 0x24)), 319), qBound(0, int(getU16(r + o + 0x26)), 239));
        a->setMode(mode);
        a->setTemp(Area_Temp_t{
            readingText(c + o + 0x2C, AreaMaxStatusSize, uint16_t(getU16(r + o + 0x0A)), false, rangeMin, rangeMax),
            readingText(c + o + 0x32, AreaMinStatusSize, uint16_t(getU16(r + o + 0x0E)), false, rangeMin, rangeMax),
            readingText(c + o + 0x38, AreaAvgStatusSize, uint16_t(getU16(r + o + 0x12)), false, rangeMin, rangeMax)});
        showArea(n);
    }

    for (int n = 1; n <= 2; ++n) {
        const int o = LineBase + LineStride * (n - 1);
        if (!r[o]) {
            hideLine(n);
            continue;
        }
        ELineWidget *l = line(n);
        l->move(int(getU16(r + o + 0x04)), int(getU16(r + o + 0x02)), 0);
        l->setTemp(readingText(c + o + 0x15, LineStatusSize, uint16_t(getU16(r + o + 0x08)), true, rangeMin, rangeMax));
        showLine(n);
    }
    displayTemp();
}

void EPhotosGraphicsView::placeBarLabel(EGraphicsTextItem *label, const QString &text, int y)
{
    label->setPlainText(text);
    label->setPos(322 - label->boundingRect().width(), y);
    label->show();
}

void EPhotosGraphicsView::displayTemp()
{
    QStringList entries;
    for (ESpotWidget *s : std::as_const(m_spots))
        if (s->isVisibled())
            entries << s->name();
    for (ELineWidget *l : std::as_const(m_lines))
        if (l->isVisibled())
            entries << l->name();
    for (EAreaWidget *a : std::as_const(m_areas))
        if (a->isVisibled())
            entries << a->name();
    const QString text = entries.join(QLatin1Char('\n'));
    m_legend->setPlainText(text);
    m_unit->setPlainText(unitText());
    if (text.isEmpty())
        return;
    m_unit->setPos(m_legend->boundingRect().width() + 6, 2);
    m_legend->show();
    m_unit->show();
}

void EPhotosGraphicsView::close()
{
    for (int n = 1; n <= 3; ++n)
        hideSpot(n);
    for (int n = 1; n <= 2; ++n)
        hideLine(n);
    for (int n = 1; n <= 3; ++n)
        hideArea(n);
    m_legend->hide();
    m_unit->hide();
    m_maxLabel->hide();
    m_minLabel->hide();
}

void EPhotosGraphicsView::keyPressEvent(QKeyEvent *event)
{
    qWarning("====== %s %d ======", __func__, __LINE__);
    if (event && event->key() == Qt::Key_Escape)
        close();
}

void EPhotosGraphicsView::showSpot(int n) { spot(n)->setVisible(true); }
void EPhotosGraphicsView::hideSpot(int n) { spot(n)->setVisible(false); }
void EPhotosGraphicsView::showArea(int n) { area(n)->setVisible(true); }
void EPhotosGraphicsView::hideArea(int n) { area(n)->setVisible(false); }
void EPhotosGraphicsView::showLine(int n) { line(n)->setVisible(true); }
void EPhotosGraphicsView::hideLine(int n) { line(n)->setVisible(false); }

bool EPhotosGraphicsView::acceptsImageMode(int stored)
{
    return stored == 1 || (stored >= 3 && stored <= 6);
}

bool EPhotosGraphicsView::showsBarLabels(int stored)
{
    return stored == 1 || stored == 3 || stored == 5 || stored == 6;
}

float EPhotosGraphicsView::fromT10r(uint16_t value)
{
    return float(double(value) / 10.0 - 100.0);
}

QString EPhotosGraphicsView::readingText(const char *status, int size, uint16_t t10r, bool line, int rangeMin, int rangeMax)
{
    const QByteArray s(status, int(qstrnlen(status, uint(size))));
    const auto shown = [](float celsius) { return double(EGlobal::unit_out_temp(celsius)); };
    if (s == "OK")
        return QString::asprintf(line ? "%4.1f" : "%.1f", shown(fromT10r(t10r)));
    if (s == "H")
        return QString::asprintf(">%.1f", shown(float(rangeMax)));
    if (s == "HE")
        return QString::asprintf("~%.1f", shown(float(rangeMax)));
    if (s == "L")
        return QString::asprintf("<%.1f", shown(float(rangeMin)));
    if (s == "LE")
        return QString::asprintf("~%.1f", shown(float(rangeMin)));
    // "NULL" and anything unknown: no reading was made.
    return QStringLiteral("--");
}

std::pair<int, int> EPhotosGraphicsView::recordRangeLimits(int storedRange)
{
    if (const auto limits = StartUp::storedRangeLimits(storedRange))
        return *limits;
    return {EReadingsHost::rangeMin(), EReadingsHost::rangeMax()};
}

QString EPhotosGraphicsView::unitText()
{
    const int unit = EGlobal::getSystemTempUnit();
    return unit == 1 ? QStringLiteral("F") : unit == 2 ? QStringLiteral("K") : DegreeC;
}
