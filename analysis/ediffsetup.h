#pragma once

#include <QWidget>

class ESetupComboBox;
class ETitle;

// "Diff n Setting": the two reference rows of one temperature difference.
// Only shows its texts; nothing is measured or stored.
class EDiffSetup : public QWidget
{
    Q_OBJECT
public:
    explicit EDiffSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // The one dialog, built on first use.
    static EDiffSetup *instance();

    void setDiffID(int n);
    int diffID() const { return m_diffId; }
    ETitle *title() const { return m_title; }

public Q_SLOTS:
    void cancelClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_diffId = -1;
    ETitle *m_title;
};
