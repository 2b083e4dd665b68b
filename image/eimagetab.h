#pragma once

#include "eimagepopup.h"

#include <QDialog>

class EImageMode;
class EImagePalette;
class EImagePip;
class EImageSettingTab;
class EImageTabBar;
class EMainInterface;
class QStackedWidget;

// The image popup: a frameless, window-modal 210x180 dialog in the
// bottom-left corner with four tabs over four pages (picture, palette,
// level/span, image settings). Built once and registered in EGlobal; closing
// only hides it, so it reopens on the page last shown. The live view reaches
// it, and through it the level/span page, as its EImagePopup.
class EImageTab : public QDialog, public EImagePopup
{
    Q_OBJECT
public:
    EImageTab(EMainInterface *menu, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EImageTab() override;

    void setModeNum(int mode);

    QStackedWidget *stack() const { return m_stack; }
    EImageTabBar *tabBar() const { return m_tabBar; }
    EImagePip *pipPage() const { return m_pip; }
    EImagePalette *palettePage() const { return m_palette; }
    EImageMode *modePage() const { return m_mode; }
    EImageSettingTab *settingPage() const { return m_setting; }

    // ---- EImagePopup: the level/span page's, as the live view asks ----
    QWidget *popupWindow() override { return this; }
    EAdjustLevelItem *adjustWindow() const override;
    bool adjustWindowIsVisible() const override;
    void showAdjustWindow() override;
    void hideAdjustWindow() override;
    void changeTempUnit() override;
    void setTempRangeMinMax(int min, int max) override;

public Q_SLOTS:
    void pageChangedHandler(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QStackedWidget *m_stack;
    EMainInterface *m_menu;
    EImageTabBar *m_tabBar;
    EImagePip *m_pip;
    EImagePalette *m_palette;
    EImageMode *m_mode;
    EImageSettingTab *m_setting;
};
