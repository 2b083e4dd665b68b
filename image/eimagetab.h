#pragma once

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
// only hides it, so it reopens on the page last shown.
class EImageTab : public QDialog
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
