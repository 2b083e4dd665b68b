#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class EAreaWidget;
class EGraphicsTextItem;
class ELineWidget;
class ESpotWidget;
class QGraphicsScene;
class QGraphicsView;
class QKeyEvent;

// Puts the measurements stored with a photo (or a second of a video) back
// on a view: passive spots, areas and lines at their stored places with
// their stored texts, the colour-bar labels and a legend with the unit.
// Nothing is measured again. This is the one interpretation of a parameter
// record; the video replay gives it each second's record.
//
// Use: build it over a view (items go into the view's scene), then either
// loadNetImage() a photo, or setStoredImageMode() and analysisIRData() a
// record; close() (or Escape through keyPressEvent()) hides everything.
class EPhotosGraphicsView : public QObject
{
public:
    enum { RecordSize = 1792 };

    explicit EPhotosGraphicsView(QGraphicsView *view);
    ~EPhotosGraphicsView() override;

    // close(), then reads the photo's trailer and replays its record.
    void loadNetImage(const QFileInfo &file);
    void readIRDataFromFile(const QString &path);
    // Places and fills every object from a record (a shorter one reads as
    // zeros past its end), then the legend. The colour-bar labels follow
    // the stored image mode.
    void analysisIRData(const QByteArray &record);
    void displayTemp();
    void close();
    // Not an event override: the caller forwards keys; Escape closes.
    void keyPressEvent(QKeyEvent *event);

    // The header's picture mode + 1 of the last file read (the video replay
    // sets the one of its side data).
    void setStoredImageMode(int mode) { m_storedImageMode = mode; }
    int storedImageMode() const { return m_storedImageMode; }

    void showSpot(int n);
    void hideSpot(int n);
    void showArea(int n);
    void hideArea(int n);
    void showLine(int n);
    void hideLine(int n);

    ESpotWidget *spot(int n) const { return m_spots.value(n - 1); }
    EAreaWidget *area(int n) const { return m_areas.value(n - 1); }
    ELineWidget *line(int n) const { return m_lines.value(n - 1); }
    EGraphicsTextItem *legend() const { return m_legend; }
    EGraphicsTextItem *unitItem() const { return m_unit; }
    EGraphicsTextItem *minLabel() const { return m_minLabel; }
    EGraphicsTextItem *maxLabel() const { return m_maxLabel; }

    // ---- the interpretation, shared with the video replay ----
    // Stored modes with measurements: 1, 3, 4, 5, 6 (not 0, 2 visible only).
    static bool acceptsImageMode(int stored);
    // Colour-bar labels for 1, 3, 5, 6 (not 4: the picture is an inset).
    static bool showsBarLabels(int stored);
    // A stored tenth-degree value in degC.
    static float fromT10r(uint16_t value);
    // One reading's text from its status field (compared within its size
    // bytes): "OK" the value ("%4.1f" for a line, else "%.1f"), "H" ">max",
    // "HE" "~max", "L" "<min", "LE" "~min", anything else "--"; one
    // decimal, in the display unit of the moment.
    static QString readingText(const char *status, int size, uint16_t t10r, bool line, int rangeMin, int rangeMax);
    // The limits of the range the record was taken in (its stored index);
    // the current limits when that range is unknown.
    static std::pair<int, int> recordRangeLimits(int storedRange);
    // The unit text of the display unit: degree sign + "C", "F" or "K".
    static QString unitText();

private:
    void placeBarLabel(EGraphicsTextItem *label, const QString &text, int y);

    QGraphicsView *m_view;
    // The objects' items live in this scene; gone with it.
    QPointer<QGraphicsScene> m_scene;
    QMap<int, ESpotWidget *> m_spots;
    QMap<int, EAreaWidget *> m_areas;
    QMap<int, ELineWidget *> m_lines;
    EGraphicsTextItem *m_legend = nullptr;
    EGraphicsTextItem *m_unit = nullptr;
    EGraphicsTextItem *m_minLabel = nullptr;
    EGraphicsTextItem *m_maxLabel = nullptr;
    QByteArray m_record;
    int m_storedImageMode = 0;
};
