#include "ecolorrect.h"

#include "colortables.h"
#include "eglobal.h"
#include "fpga.h"
#include "storedsettings.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPen>
#include <QSettings>

#include <algorithm>

EColorRect::EColorRect(QGraphicsScene *scene, float x, float y, float width, float height)
    : m_scene(scene)
    , m_x(static_cast<int>(x))
    , m_y(static_cast<int>(y))
    , m_width(static_cast<int>(width))
    , m_height(static_cast<int>(height))
{
    m_rgb.fill(_rgb_item{0, 0, 0, 0});
    m_yuv.fill(_yuv_item{0, 0, 0, 0});
    for (int i = 0; i < m_height; ++i) {
        auto *line = new QGraphicsLineItem;
        line->setLine(m_x, m_y + m_height - i, m_x + m_width, m_y + m_height - i);
        line->setZValue(1.0);
        if (m_scene)
            m_scene->addItem(line);
        line->hide();
        m_lines.append(line);
    }
    choosePalette();
}

EColorRect::~EColorRect()
{
    // The lines live on the view's scene; a scene already gone took them.
    if (m_scene)
        qDeleteAll(m_lines);
}

QRect EColorRect::geometry() const
{
    return QRect(m_x, m_y, m_width, m_height);
}

void EColorRect::choosePalette()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    FPGA *fpga = EGlobal::getFPGA();
    int result = 0;
    if (settings.value(QStringLiteral("ColorTable_Mode"), QStringLiteral("Standard")).toString() == QLatin1String("Standard")) {
        bool ok = false;
        int index = settings.value(QStringLiteral("Standard_ColorTable_Index"), 0).toInt(&ok);
        if (!ok || index < 0 || index >= COLOR_TABLE_COUNT) {
            qWarning("EColorRect: Standard_ColorTable_Index %s is no palette, using Iron",
                     qPrintable(settings.value(QStringLiteral("Standard_ColorTable_Index")).toString()));
            index = COLOR_IRON;
        }
        m_rgb = standardTable(index);
        if (fpga)
            result = fpga->setStandardPaletteIndex(index);
    } else {
        bool ok = false;
        const int slot = settings.value(QStringLiteral("Custom_ColorTable_Index"), 0).toInt(&ok);
        readCustomColorTable(ok ? slot : 0);
        if (fpga)
            result = fpga->setCustomPalette(m_yuv.data(), static_cast<int>(m_yuv.size()));
    }
    if (!fpga)
        qWarning("EColorRect: no board, the palette is not uploaded");
    else if (result != 0)
        qWarning("EColorRect: the board refused the palette (%d)", result);
}

void EColorRect::readCustomColorTable(int slot)
{
    m_rgb = CustomPaletteRecord::read(slot).table();
    m_yuv = CustomPaletteRecord::toYuv(m_rgb);
}

RgbTable EColorRect::standardTable(int index)
{
    RgbTable table;
    table.fill(_rgb_item{0, 0, 0, 0});
    if (index < 0 || index >= COLOR_TABLE_COUNT)
        index = COLOR_IRON;
    if (index != COLOR_MEDICAL) {
        std::copy(color_tables_rgb[index], color_tables_rgb[index] + 256, table.begin());
        return table;
    }
    // The application's Medical table has red and blue exchanged against
    // the board's; paint what the board shows.
    return boardTable(COLOR_MEDICAL);
}

RgbTable EColorRect::boardTable(int index)
{
    RgbTable table;
    table.fill(_rgb_item{0, 0, 0, 0});
    if (index < 0 || index >= COLOR_TABLE_COUNT)
        index = COLOR_IRON;
    const _yuv_item *board = color_tables_yuv[index];
    for (int k = 0; k < 256; ++k) {
        int r, g, b;
        yuvToRgb(board[k].y, board[k].u, board[k].v, &r, &g, &b);
        table[k] = _rgb_item{static_cast<uint8_t>(std::clamp(r, 0, 255)), static_cast<uint8_t>(std::clamp(g, 0, 255)),
                             static_cast<uint8_t>(std::clamp(b, 0, 255)), 0};
    }
    return table;
}

void EColorRect::setColorTable(const _rgb_item *table, bool visible)
{
    if (table)
        std::copy(table, table + 256, m_rgb.begin());
    calPalette(visible);
}

void EColorRect::setVisible(bool visible)
{
    m_visible = visible;
    for (QGraphicsLineItem *line : m_lines)
        line->setVisible(visible);
}

void EColorRect::calPalette(bool visible)
{
    const int step = m_height > 0 ? 256 / m_height : 0;
    for (int k = 0; k < m_lines.size(); ++k) {
        const _rgb_item &entry = m_rgb[std::min(k * step, 255)];
        m_lines[k]->setPen(QPen(QColor(entry.r, entry.g, entry.b, 255)));
    }
    setVisible(visible);
    if (m_scene)
        m_scene->update();
}

void EColorRect::rgbToYuv(int r, int g, int b, int *y, int *u, int *v)
{
    paletteRgbToYuv(r, g, b, y, u, v);
}

void EColorRect::yuvToRgb(int y, int u, int v, int *r, int *g, int *b)
{
    paletteYuvToRgb(y, u, v, r, g, b);
}
