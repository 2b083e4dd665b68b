#pragma once

#include <QList>
#include <QWidget>

class ESetupItem;
class ESetupTitle;
class QPushButton;

// A service window's page list: a caption bar over one row per page, each
// followed by a thin line, and the cancel button at the bottom. A touch on
// a row chooses its page (row i, page i) and moves the highlight there;
// pressing cancel takes the highlight away, releasing it asks to close.
class PageList : public QWidget
{
    Q_OBJECT
public:
    PageList(const QString &caption, const QStringList &rows, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    QList<ESetupItem *> rows() const { return m_rows; }
    ESetupItem *currentItem() const { return m_current; }
    QPushButton *cancelButton() const { return m_cancel; }
    // Makes row index current and highlighted (only it), and reports it.
    void setCurrentItem(int index);

Q_SIGNALS:
    void pageChanged(int index);
    void closeRequested();

public Q_SLOTS:
    void clickedHandler(const QString &name);
    void cancelPressedHandler();
    void cancelReleasedHandler();

private:
    ESetupTitle *m_title = nullptr;
    QList<ESetupItem *> m_rows;
    ESetupItem *m_current = nullptr;
    QPushButton *m_cancel = nullptr;
};
