#pragma once

#include <QWidget>

class ESetupItem;
class ESetupTitle;
class QPushButton;

// The setup window's list: "Settings" over the five page entries and the
// back button at the bottom. A touch on an entry chooses its page at once,
// unless a page's dialog is open.
class EListItems : public QWidget
{
    Q_OBJECT
public:
    explicit EListItems(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Highlights the entry of the page on show (the back button's press
    // takes the highlight away).
    void setItemHighLight();
    ESetupItem *currentItem() const { return m_currentItem; }
    QPushButton *backButton() const { return m_backButton; }

Q_SIGNALS:
    void pageChanged(int index);

public Q_SLOTS:
    void clickedHandler(const QString &name);
    void cancelPressedHandler();
    void cancelReleasedHandler();

private:
    ESetupTitle *m_titleBar = nullptr;
    ESetupItem *m_generalItem = nullptr;
    ESetupItem *m_dateTimeItem = nullptr;
    ESetupItem *m_photosItem = nullptr;
    ESetupItem *m_controlItem = nullptr;
    ESetupItem *m_infoItem = nullptr;
    ESetupItem *m_currentItem = nullptr;
    QPushButton *m_backButton = nullptr;
};
