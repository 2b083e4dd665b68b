#pragma once

#include <QWidget>

class ECustomPalette;
class ERemindItem;
class EStandardPalette;

// The image popup's palette page: "Standard" and "Custom" rows, the kind in
// force marked with an asterisk; each row opens its palette list (built
// once, at (0, 56), 276 x 184), whose Done marks the kind here.
class EImagePalette : public QWidget
{
    Q_OBJECT
public:
    explicit EImagePalette(QWidget *parent = nullptr);

    // 0 the standard kind is in force, anything else the custom kind.
    void chooseItem(int kind);
    // "ColorTable_Mode": exactly "Standard" is standard, anything else custom.
    void readConfig();
    bool standardChosen() const { return m_standard; }
    ERemindItem *standardItem() const { return m_standardItem; }
    ERemindItem *customItem() const { return m_customItem; }
    // The lists, null before their first opening.
    static EStandardPalette *standardBrowser();
    static ECustomPalette *customBrowser();

public Q_SLOTS:
    void slot_paletteItem();
    void slot_customItem();

private:
    ERemindItem *m_standardItem;
    ERemindItem *m_customItem;
    bool m_standard = true;
};
