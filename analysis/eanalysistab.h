#pragma once

#include <QPixmap>
#include <QWidget>

class EAnalysisTabBar;
class EAreaTab;
class ELineTab;
class ESettingTab;
class ESpotTab;
class QStackedWidget;

// The analysis panel: a frameless, window-modal 210x180 popup with a tab
// bar over four pages (spots, lines, areas, settings) through which the
// measurement objects are switched on and off and their dialogs reached.
// Built once and registered in EGlobal (and as ELivePopups::analysisPanel()
// for the live view); closing only hides it.
class EAnalysisTab : public QWidget
{
    Q_OBJECT
public:
    explicit EAnalysisTab(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~EAnalysisTab() override;

    // Shows the panel raised in the bottom-left corner of the screen.
    void popUp();
    // Hides a shown panel, pops a hidden one up.
    void toggle();
    // Every popup of the live view opens this way: hidden and shown again
    // (which raises it), at x 0 with its bottom edge on screen line 239.
    static void raiseBottomLeft(QWidget *popup);

    EAnalysisTabBar *tabBar() const { return m_tabBar; }
    QStackedWidget *stack() const { return m_stack; }
    ESpotTab *spotPage() const { return m_spotPage; }
    ELineTab *linePage() const { return m_linePage; }
    EAreaTab *areaPage() const { return m_areaPage; }
    ESettingTab *settingPage() const { return m_settingPage; }

public Q_SLOTS:
    void pageChangedHandler(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    EAnalysisTabBar *m_tabBar;
    QStackedWidget *m_stack;
    ESpotTab *m_spotPage;
    ELineTab *m_linePage;
    EAreaTab *m_areaPage;
    ESettingTab *m_settingPage;
    QPixmap m_barPictures[4];
};
