#pragma once

#include "temptypes.h"

#include <QFrame>
#include <QString>

class QLabel;
class QPainter;

// The full-screen chart of a generated table (yellow) against the table
// in use (blue), with the generated table's slope as a green step curve.
// Escape asks whether the generated table replaces the one in use; a
// table the library would refuse is never offered.
class ProfileWindow : public QFrame
{
    Q_OBJECT
public:
    explicit ProfileWindow(QWidget *parent = nullptr);

    void setFile(const QString &file);
    void setFile2(const QString &file);
    // Copies the generated table over the one in use; false (with "Save
    // failed!" shown, both files kept) when the copy failed.
    bool saveBiaoDingTable();

    QString primaryFile() const { return m_file; }
    QString comparisonFile() const { return m_file2; }
    int pointCount() const { return m_primary.num; }
    bool primarySound() const { return m_sound; }
    QString message() const;

Q_SIGNALS:
    void signal_save();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Pixel row of an AD on the primary table's scale.
    int yOf(int ad) const;
    // AD per degree from point i-1 to i; false for a zero-width step.
    bool slopeAt(int i, int *slope) const;
    void drawPlot(QPainter &painter) const;
    // Moves the legends off the curves of the tables now loaded.
    void placeLegends();
    void discardGenerated();
    void showMessage(const QString &text);

    TempInfoTab m_primary;
    TempInfoTab m_comparison;
    int m_topAD = 0;
    int m_bottomAD = 0;
    int m_slopeScale = 0;
    bool m_sound = false;
    QString m_file;
    QLabel *m_legend = nullptr;
    QLabel *m_legend2 = nullptr;
    QString m_file2;
    QLabel *m_message = nullptr;
};
