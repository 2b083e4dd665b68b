#pragma once

#include <QWidget>

class EComboBoxItem;
class ESpinBoxItem;
class ETitle;

// "ISO Setting": type, upper and lower level (display unit, each limiting
// the other) and colour of the isotherm. Every user step goes to the board
// at once; closing (Cancel or Escape, there is no other way out) stores the
// four keys and shows the image popup again. Showing sends nothing.
class EISOSetup : public QWidget
{
    Q_OBJECT
public:
    EISOSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void readConfigPara();
    void savePara();

    ETitle *title() const { return m_title; }
    ESpinBoxItem *maxItem() const { return m_max; }
    ESpinBoxItem *minItem() const { return m_min; }
    EComboBoxItem *colorItem() const { return m_color; }
    EComboBoxItem *modeItem() const { return m_mode; }

    // " °C", " F" or " K" for the system unit.
    static QString unitSuffix();

public Q_SLOTS:
    void okClicked();
    void changePara(const QString &name);
    void changeModePara(int);
    void changeColorPara(int index);
    void updateDisplayTemp();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The library's isotherm with change applied, handed back and drawn.
    template <typename Change> void applyLive(Change change);
    static float itemCelsius(const ESpinBoxItem *item);

    ETitle *m_title;
    ESpinBoxItem *m_max;
    ESpinBoxItem *m_min;
    EComboBoxItem *m_color;
    EComboBoxItem *m_mode;
};
