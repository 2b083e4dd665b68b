#include "custompaletterecord.h"

#include "colortables.h"
#include "storedsettings.h"

#include <QColor>
#include <QMap>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
const int s_defaultPositions[CustomPaletteRecord::QuarterCount] = {64, 128, 192};
const char *const s_positionKeys[] = {"OneQuarterPosition", "TwoQuarterPosition", "ThreeQuarterPosition"};
const char *const s_enableKeys[] = {"OneQuarterEnable", "TwoQuarterEnable", "ThreeQuarterEnable"};
const char *const s_quarterKeys[] = {"One_Quarter", "Two_Quarter", "Three_Quarter"};
const char *const s_quarterDefaults[] = {"12.5", "25.0", "37.5"};
// The keys of each point's red, green and blue, spelled out: read() looks
// up all fifteen for every slot.
const char *const s_pointKeys[CustomPaletteRecord::PointCount][3] = {
    {"Point0_Red", "Point0_Green", "Point0_Blue"},
    {"Point1_Red", "Point1_Green", "Point1_Blue"},
    {"Point2_Red", "Point2_Green", "Point2_Blue"},
    {"Point3_Red", "Point3_Green", "Point3_Blue"},
    {"Point4_Red", "Point4_Green", "Point4_Blue"},
};
enum Component { Red, Green, Blue };

int readInt(const QSettings &settings, const QString &key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool parseTemp(const QString &text, float *out)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    *out = value;
    return true;
}
} // namespace

CustomPaletteRecord::CustomPaletteRecord()
    : m_enables{false, false, false}
    , m_minText(QStringLiteral("0.0"))
    , m_maxText(QStringLiteral("50.0"))
{
    for (int i = 0; i < QuarterCount; ++i) {
        m_positions[i] = s_defaultPositions[i];
        m_quarterTexts[i] = QLatin1String(s_quarterDefaults[i]);
    }
    m_points.fill(_rgb_item{DefaultComponent, DefaultComponent, DefaultComponent, 0});
}

int CustomPaletteRecord::checkedSlot(int slot)
{
    return slot >= 0 && slot < SlotCount ? slot : 0;
}

QString CustomPaletteRecord::group(int slot)
{
    return QStringLiteral("CustomPalette/Name%1").arg(checkedSlot(slot));
}

CustomPaletteRecord CustomPaletteRecord::read(int slot)
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    return read(settings, slot);
}

CustomPaletteRecord CustomPaletteRecord::read(QSettings &settings, int slot)
{
    CustomPaletteRecord record;
    settings.beginGroup(group(slot));
    for (int i = 0; i < QuarterCount; ++i) {
        record.m_positions[i] = readInt(settings, QLatin1String(s_positionKeys[i]), s_defaultPositions[i]);
        record.m_enables[i] = readInt(settings, QLatin1String(s_enableKeys[i]), 0) != 0;
        record.m_quarterTexts[i] = settings.value(QLatin1String(s_quarterKeys[i]), QLatin1String(s_quarterDefaults[i])).toString();
    }
    for (int n = 0; n < PointCount; ++n) {
        auto component = [&](Component c) {
            const int value = readInt(settings, QLatin1String(s_pointKeys[n][c]), DefaultComponent);
            return static_cast<uint8_t>(std::clamp(value, 0, 255));
        };
        record.m_points[n] = _rgb_item{component(Red), component(Green), component(Blue), 0};
    }
    const QString minText = settings.value(QStringLiteral("T_Min"), QStringLiteral("0.0")).toString();
    const QString maxText = settings.value(QStringLiteral("T_Max"), QStringLiteral("50.0")).toString();
    settings.endGroup();
    record.setRange(minText, maxText);
    record.checkPositions();
    return record;
}

void CustomPaletteRecord::write(QSettings &settings, int slot) const
{
    settings.beginGroup(group(slot));
    settings.setValue(QStringLiteral("T_Max"), m_maxText);
    settings.setValue(QStringLiteral("T_Min"), m_minText);
    auto writePoint = [&](int n) {
        settings.setValue(QLatin1String(s_pointKeys[n][Red]), int(m_points[n].r));
        settings.setValue(QLatin1String(s_pointKeys[n][Green]), int(m_points[n].g));
        settings.setValue(QLatin1String(s_pointKeys[n][Blue]), int(m_points[n].b));
    };
    writePoint(0);
    for (int i = 0; i < QuarterCount; ++i) {
        if (m_enables[i])
            writePoint(i + 1);
    }
    writePoint(4);
    for (int i = 0; i < QuarterCount; ++i)
        settings.setValue(QLatin1String(s_positionKeys[i]), m_positions[i]);
    for (int i = 0; i < QuarterCount; ++i)
        settings.setValue(QLatin1String(s_quarterKeys[i]), m_quarterTexts[i]);
    for (int i = 0; i < QuarterCount; ++i)
        settings.setValue(QLatin1String(s_enableKeys[i]), m_enables[i] ? 1 : 0);
    settings.endGroup();
}

void CustomPaletteRecord::moveRecord(QSettings &settings, int from, int to)
{
    settings.remove(group(to));
    settings.beginGroup(group(from));
    const QStringList keys = settings.childKeys();
    QMap<QString, QString> values;
    for (const QString &key : keys)
        values.insert(key, settings.value(key).toString());
    settings.endGroup();
    settings.remove(group(from));
    settings.beginGroup(group(to));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.endGroup();
}

float CustomPaletteRecord::minTemp() const
{
    return m_minText.trimmed().toFloat();
}

float CustomPaletteRecord::maxTemp() const
{
    return m_maxText.trimmed().toFloat();
}

void CustomPaletteRecord::setPosition(int quarter, int position)
{
    m_positions[quarter] = position;
    checkPositions();
}

void CustomPaletteRecord::setEnabled(int quarter, bool on)
{
    m_enables[quarter] = on;
}

void CustomPaletteRecord::setPoint(int n, _rgb_item colour)
{
    colour.pad = 0;
    m_points[n] = colour;
}

void CustomPaletteRecord::setRange(const QString &minText, const QString &maxText)
{
    // Both ends must be numbers, in order and at least 1 degree apart, or
    // the pair is the default: a range that later code divides by is never
    // empty or reversed.
    float min = 0, max = 0;
    if (parseTemp(minText, &min) && parseTemp(maxText, &max) && min + 1.0f <= max + 1e-3f) {
        m_minText = minText;
        m_maxText = maxText;
    } else {
        m_minText = QStringLiteral("0.0");
        m_maxText = QStringLiteral("50.0");
    }
}

void CustomPaletteRecord::checkPositions()
{
    std::array<int, QuarterCount> p = m_positions;
    for (int i = 0; i < QuarterCount; ++i) {
        if (p[i] < 1 || p[i] > 254)
            p[i] = s_defaultPositions[i];
    }
    auto increasing = [](const std::array<int, QuarterCount> &q) { return q[0] < q[1] && q[1] < q[2]; };
    if (!increasing(p)) {
        // A position that sits on or beyond a neighbour takes its default.
        std::array<int, QuarterCount> fixed = p;
        for (int i = 0; i < QuarterCount; ++i) {
            const bool belowPrevious = i > 0 && p[i] <= p[i - 1];
            const bool aboveNext = i + 1 < QuarterCount && p[i] >= p[i + 1];
            if (belowPrevious || aboveNext)
                fixed[i] = s_defaultPositions[i];
        }
        p = increasing(fixed) ? fixed : std::array<int, QuarterCount>{64, 128, 192};
    }
    m_positions = p;
}

RgbTable CustomPaletteRecord::table() const
{
    RgbTable table;
    table.fill(_rgb_item{0, 0, 0, 0});
    bool anchors[256] = {};
    for (int i = 0; i < QuarterCount; ++i) {
        table[m_positions[i]] = m_points[i + 1];
        anchors[m_positions[i]] = m_enables[i];
    }
    table[0] = m_points[0];
    anchors[0] = true;
    table[255] = m_points[4];
    anchors[255] = true;
    lineGradient(table.data(), anchors);
    return table;
}

void CustomPaletteRecord::calcColor(_rgb_item *table, int a, int b)
{
    const int n = b - a;
    if (n <= 1)
        return;
    auto hsv = [&](int index, int *h, int *s, int *v) {
        QColor::fromRgb(table[index].r, table[index].g, table[index].b).getHsv(h, s, v);
        *h = std::max(*h, 0);
        *s = std::clamp(*s, 0, 255);
        *v = std::clamp(*v, 0, 255);
    };
    int ha, sa, va, hb, sb, vb;
    hsv(a, &ha, &sa, &va);
    hsv(b, &hb, &sb, &vb);
    for (int k = 1; k < n; ++k) {
        const QColor colour = QColor::fromHsv(ha + ((hb - ha) * k) / n, sa + ((sb - sa) * k) / n, va + ((vb - va) * k) / n);
        _rgb_item &entry = table[a + k];
        entry.r = static_cast<uint8_t>(colour.red());
        entry.g = static_cast<uint8_t>(colour.green());
        entry.b = static_cast<uint8_t>(colour.blue());
    }
}

void CustomPaletteRecord::lineGradient(_rgb_item *table, const bool *anchors)
{
    int previous = -1;
    for (int i = 0; i < 256; ++i) {
        if (!anchors[i])
            continue;
        if (previous >= 0)
            calcColor(table, previous, i);
        previous = i;
    }
}

YuvTable CustomPaletteRecord::toYuv(const RgbTable &table)
{
    YuvTable yuv;
    for (int k = 0; k < 256; ++k) {
        int y, u, v;
        paletteRgbToYuv(table[k].r, table[k].g, table[k].b, &y, &u, &v);
        yuv[k] = _yuv_item{static_cast<uint8_t>(y), static_cast<uint8_t>(u), static_cast<uint8_t>(v), 0};
    }
    return yuv;
}

QString CustomPaletteRecord::temperatureAt(float min, float max, int position)
{
    const float t = min + (max - min) * static_cast<float>(position) * (1.0f / 256.0f);
    return QString::asprintf("%.1f", t);
}
