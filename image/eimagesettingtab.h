#pragma once

#include <QWidget>

class ECheckItem;
class EISOSetup;
class ETabItem;

// The image popup's settings page: the isotherm row (tick switches the
// isotherm and stores "ISO"/"Switch"; its settings button opens the
// isotherm dialog) and "Clear Screen", which hides what the live view draws
// over the picture and is not stored. Every showing re-reads both ticks.
class EImageSettingTab : public QWidget
{
    Q_OBJECT
public:
    explicit EImageSettingTab(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    ETabItem *isoItem() const { return m_isoItem; }
    ECheckItem *clearItem() const { return m_clearItem; }
    // The isotherm dialog, null before its first opening.
    static EISOSetup *isoSetup();

public Q_SLOTS:
    void clickedCheckHandler(const QString &text);
    void isoSetupHandler();
    void slot_clearScreen(bool clear);

protected:
    void showEvent(QShowEvent *event) override;

private:
    ETabItem *m_isoItem;
    ECheckItem *m_clearItem;
};
