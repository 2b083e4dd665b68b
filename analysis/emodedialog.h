#pragma once

#include <QList>
#include <QWidget>

class ECheckItem;
class ETitle;

// Common frame of the measurement mode dialogs: a window-modal 210x180
// popup with a title bar whose Cancel closes it and brings the analysis
// panel back; Escape closes it and leaves the panel hidden. The dialog acts
// on the object whose number the panel gives before each showing.
class EModeDialog : public QWidget
{
    Q_OBJECT
public:
    int number() const { return m_number; }
    ETitle *title() const { return m_title; }

public Q_SLOTS:
    void closeHandler();

protected Q_SLOTS:
    // A tap on one of the check rows (spot and area dialogs).
    virtual void clickedCheckHandler(const QString &) {}

protected:
    EModeDialog(QWidget *parent, Qt::WindowFlags flags);

    void keyPressEvent(QKeyEvent *event) override;
    // What leaving the dialog keeps, by Cancel or by Escape.
    virtual void store() {}
    // Title, the check rows with separators between them and a stretch.
    void buildCheckRows(const QStringList &texts);

    ETitle *m_title;
    QList<ECheckItem *> m_rows;
    int m_number = -1;
};
