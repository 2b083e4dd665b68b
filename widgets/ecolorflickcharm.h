#pragma once

#include "flickengine.h"

// Kinetic scrolling of the custom palette list. Its rows carry a settings
// cell at the right end, reported by signals of its own; presses beside the
// rows are reported too, with an empty text and index -1.
class EColorFlickCharm : public FlickEngine
{
    Q_OBJECT
public:
    explicit EColorFlickCharm(QObject *parent = nullptr);
    ~EColorFlickCharm() override;

    // Presses from rest right of this x fall on the settings cell.
    static int settingCellLeft() { return 233; }

Q_SIGNALS:
    void settingPressed(const QString &text, int index);
    void settingReleased(const QString &text, int index);

protected:
    int rowType() const override;
    QString rowText(const QGraphicsItem *row) const override;
    int rowIndex(const QGraphicsItem *row) const override;
    bool reportsWithoutRow() const override { return true; }
    bool isSettingCell(const QPoint &point) const override;
    void pressedFromRest(const QPoint &point) override;
    void emitSettingPressed(const QString &text, int index) override;
    void emitSettingReleased(const QString &text, int index) override;
};
