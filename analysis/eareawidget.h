#pragma once

#include "eanalysiswidget.h"
#include "escaledlayout.h"
#include "fpgatypes.h"

#include <QPoint>

class EAreaGraphicsItem;
class EAreaItem;
class EGraphicsTextItem;
class QGraphicsScene;
class QPainter;

// Which results an area shows: each switch 0 off, 1 on; the fourth word is
// carried along.
struct Area_Mode_t
{
    int max;
    int min;
    int avg;
    int reserved;
};

// The three reading texts of an area: maximum, minimum, average.
struct Area_Temp_t
{
    QString max;
    QString min;
    QString avg;
};

// A rectangle on the picture measuring the maximum, minimum and average of
// the pixels inside it, with markers on the hottest and coldest pixel. The
// board always works in full-picture coordinates (the stored rectangle);
// the overlay rectangle follows the picture layout.
class EAreaWidget : public EAnalysisWidget
{
    Q_OBJECT
public:
    EAreaWidget(QGraphicsScene *scene, QWidget *parent, int id, bool noSettings, int width, int height);
    ~EAreaWidget() override;

    void setHighlight(bool on) override;
    bool isHighlight() const override { return m_highlight; }
    bool isVisibled() const override { return m_visible; }
    void move(int x, int y, int axis = 0) override;
    int getX() const override { return m_x; }
    int getY() const override { return m_y; }
    QString name() override;
    void blink(int times) override;
    void setVisible(bool visible) override;

    void readAreaPara();
    void setWidth(int width);
    void setHeight(int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setX(int x);
    void setY(int y);
    void setScaledType(Scaled_Type_t type);
    Scaled_Type_t getScaledType() const { return m_scaledType; }
    void setMode(const Area_Mode_t &mode);
    Area_Mode_t &mode() { return m_mode; }
    TempSetup &getTempSetup() { return m_tempSetup; }

    Area_Temp getAreaTempStru();
    Area_Temp_t getTemp() const { return Area_Temp_t{m_maxText, m_minText, m_avgText}; }
    void setTemp(const Area_Temp_t &texts);
    void setMaxPos(int x, int y);
    void setMinPos(int x, int y);
    QPoint getMaxPos() const;
    QPoint getMinPos() const;
    _area getPoint() const { return m_rect; }
    void setHighlightPosition(int corner);

    EAreaGraphicsItem *rectItem() const { return m_rectItem; }
    EAreaItem *maxMarker() const { return m_maxMarker; }
    EAreaItem *minMarker() const { return m_minMarker; }
    EGraphicsTextItem *label() const { return m_label; }

    // A clear window over the live view lets the board's picture through
    // where it is transparent, not the view beneath it: such a window
    // draws the shown area (rectangle, number, markers) with the live
    // view's own items where the area lies under it. The part of window
    // the area covers, empty while it is hidden or outside the window.
    QRect rectOnWindow(const QWidget *window) const;
    void drawOnWindow(QPainter *painter, const QWidget *window) const;
    int id() const { return m_id; }

    static _area defaultRect(int id);

public Q_SLOTS:
    void updateTemp();
    void slot_blink() { blinkStep(); }

protected:
    void showBlinkPhase(bool shown) override;

private:
    QString group() const;
    void place();
    bool resize(int request, int position, int limit, int &size, uint16_t start, uint16_t &end);
    void store(const char *key, int value);
    void storeRect();

    bool m_visible = false;
    bool m_highlight = false;
    int m_x = 0;
    int m_y = 0;
    EAreaGraphicsItem *m_rectItem = nullptr;
    EGraphicsTextItem *m_label = nullptr;
    EAreaItem *m_maxMarker = nullptr;
    EAreaItem *m_minMarker = nullptr;
    int m_id;
    int m_width;
    int m_height;
    QString m_maxText;
    QString m_minText;
    QString m_avgText;
    Area_Mode_t m_mode{1, 1, 1, 0};
    _area m_rect{0, 0, 0, 0};
    _area_val m_values{};
    Area_Temp m_result{};
    Scaled_Type_t m_scaledType = EScaledLayout::FullScreen;
    bool m_noSettings;
};
