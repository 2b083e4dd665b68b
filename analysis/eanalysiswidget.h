#pragma once

#include "temptypes.h"

#include <QString>
#include <QWidget>

class QTimer;

// Common base of the measurement objects on the picture (spot, area, line).
// The widgets themselves are never shown: what the user sees are their
// graphics items on the live view's scene. The base also holds what all
// three share: the reading text rule and the blink timer.
class EAnalysisWidget : public QWidget
{
public:
    explicit EAnalysisWidget(QWidget *parent = nullptr);
    ~EAnalysisWidget() override;

    virtual void setHighlight(bool on) = 0;
    virtual bool isHighlight() const = 0;
    virtual bool isVisibled() const = 0;
    virtual void move(int x, int y, int axis) = 0;
    virtual int getX() const = 0;
    virtual int getY() const = 0;
    virtual QString name() = 0;
    virtual void blink(int times) = 0;

    // A temperature in degC as the readout shows it: display unit, "%.2f"
    // with two decimals chosen, else "%.1f".
    static QString formatTemp(float celsius);
    // The text of one reading: the value for "OK"; the range maximum behind
    // ">" ("H") or "~" ("HE"), the minimum behind "<" ("L") or "~" ("LE");
    // "--" for a failed board access (result below 0) or a status the
    // library does not give, so that no plausible number is ever shown for
    // a reading that was not made.
    static QString readingText(int result, const IrTempStru &reading, int rangeMin, int rangeMax);
    static QString failedText() { return QStringLiteral("--"); }
    // The degC value readingText() shows for an out-of-range status (the
    // limit), or the temperature itself.
    static float shownCelsius(const IrTempStru &reading, int rangeMin, int rangeMax);

    // The object's own parameters, and whether a reading uses them (0) or
    // the global ones (any other value).
    void setTempSetup(const TempSetup &setup) { m_tempSetup = setup; }
    void setParaMode(ParaMode_t mode) { m_paraMode = mode; }
    ParaMode_t getParaMode() const { return m_paraMode; }

    // One blink step, exposed for the objects' slot_blink().
    void blinkStep();
    bool isBlinking() const;

protected:
    // Starts (or restarts) times off-on cycles of 300 ms on the object's
    // one blink timer.
    void startBlink(int times, bool visibleNow);
    // Shows or hides the object's items for one blink step.
    virtual void showBlinkPhase(bool shown) = 0;

    TempSetup m_tempSetup;
    ParaMode_t m_paraMode = PARA_OWN;

private:
    QTimer *m_blinkTimer = nullptr;
    int m_blinkCount = 0;
    bool m_blinkPhase = false;
};
