#pragma once

#include <QList>
#include <QWidget>

class EAnalysisWidget;
class ETabItem;

// One page of the analysis panel listing measurement objects of one kind:
// a row per object with a check cell (show or hide it on the live view), a
// mode cell and a setup cell (open its dialogs). Rows are numbered from 1
// like the objects.
class EObjectTab : public QWidget
{
    Q_OBJECT
public:
    enum Kind { Spot, Area, Line };

    Kind kind() const { return m_kind; }
    int count() const { return int(m_rows.size()); }
    // Row n (1..count), null for another n.
    ETabItem *row(int n) const;
    bool rowChecked(int n) const;
    void setRowChecked(int n, bool on);
    // Check marks from the live view's switched-on flags.
    void readPara();

public Q_SLOTS:
    void clickedCheckHandler(const QString &text);
    void clickedModeHandler(const QString &text);
    void clickedSetupHandler(const QString &text);

protected:
    EObjectTab(Kind kind, const QStringList &texts, bool rightAligned, QWidget *parent);

    virtual void openModeDialog(int n) = 0;
    virtual void openSetupDialog(int n) = 0;
    // The spot page highlights a hidden spot too when its setup opens.
    virtual bool highlightHiddenForSetup() const { return false; }
    // The live view's object of this kind with number n, or null.
    EAnalysisWidget *object(int n) const;

private:
    int numberOf(const QString &text) const;
    // Hides the panel and makes object n the live view's current one.
    void prepareDialog(int n, bool highlightHidden);

    Kind m_kind;
    QList<ETabItem *> m_rows;
};
