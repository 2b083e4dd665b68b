#pragma once

#include <QFrame>
#include <QList>
#include <QStringList>

class EDialogTitle;
class EFlickCharmText;
class EGeneralPage;
class ESetupFlickCharm;
class QGraphicsScene;
class QGraphicsView;
class QLabel;

// "Language": the nine languages in a kinetic list, the stored one first
// and checked. Done stores the checked key and shows its name on the
// General page; a new language hides the setup window and ends the event
// loop, so the program starts again in that language. Cancel stores
// nothing; Escape closes the setup window too.
class ELanguageDialog : public QFrame
{
    Q_OBJECT
public:
    ELanguageDialog(QWidget *page, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~ELanguageDialog() override;

    // Moves the stored language to the front of both lists.
    void getLangList();
    void readLanguageTable();

    int current() const { return m_current; }
    const QList<EFlickCharmText *> &items() const { return m_items; }
    QGraphicsView *view() const { return m_view; }
    QLabel *slider() const { return m_slider; }
    EDialogTitle *title() const { return m_title; }
    ESetupFlickCharm *flickCharm() const { return m_flickCharm; }
    // True once Done chose a new language and ended the event loop.
    static bool restartRequested();
    static void clearRestartRequest();

public Q_SLOTS:
    void clickedReleasedHandler(const QString &text, int index);
    void clickedPressedHandler(const QString &text, int index);
    void clickedMovedHandler(const QString &text, int index);
    void sliderHideHandler();
    void cancelHandler();
    void doneHandler();
    void valueChangedHandler(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    EFlickCharmText *row(int index) const;
    bool isRow(const QString &text, int index) const;
    void deleteRows();

    EDialogTitle *m_title = nullptr;
    EGeneralPage *m_page = nullptr;
    int m_current = 0;
    ESetupFlickCharm *m_flickCharm = nullptr;
    QGraphicsView *m_view = nullptr;
    QGraphicsScene *m_scene = nullptr;
    QList<EFlickCharmText *> m_items;
    QLabel *m_slider = nullptr;
    QStringList m_langKeys;
    QStringList m_langNames;
    float m_dy = 0.0f;
};
