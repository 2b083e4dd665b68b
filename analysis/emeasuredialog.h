#pragma once

#include <QWidget>

class ETitle;
class QGridLayout;

// What the measurement settings dialogs share: frameless and window-modal,
// the values re-read at every show and stored on every way out. The title
// bar's button stores, closes and shows the analysis panel again; Escape
// stores and closes only; other keys are swallowed.
class EMeasureDialog : public QWidget
{
    Q_OBJECT
public:
    virtual void readConfigPara() = 0;
    // false when the settings file could not be written.
    virtual bool savePara() = 0;

public Q_SLOTS:
    void okClicked();

protected:
    EMeasureDialog(QWidget *parent, Qt::WindowFlags flags, const QSize &size);

    // The title bar with its caption across the top row of the grid, its
    // button wired to okClicked().
    ETitle *makeTitle(const QString &text);
    // A caption and its item in one row of the grid.
    void addRow(int row, const QString &caption, QWidget *item, Qt::Alignment alignment = {});
    QGridLayout *grid() const { return m_grid; }
    // The shared sheet followed by the dialog's own rules.
    void setMeasureSheet(const QString &extra);

    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QGridLayout *m_grid;
};
