#pragma once

#include "modifyfactors.h"

#include <QFrame>

class QLabel;
class QPainter;

// One correction file as a curve: the factor over 20 .. 50 degC on a fixed
// 0.8 .. 1.2 scale. It loads through a ModifyFactors of its own, so the
// library's live factors and their bounds stay as they are.
class ModifyProfileWindow : public QFrame
{
    Q_OBJECT
public:
    explicit ModifyProfileWindow(QWidget *parent = nullptr);

    void setFile(const QString &file);
    void updateModify(const QString &file);

    QString file() const { return m_file; }
    QLabel *legend() const { return m_legend; }
    const ModifyFactors &factors() const { return m_factors; }
    // Where the curve point of factor k lies (k = 80 .. 140).
    static QPoint curvePoint(int k, float factor);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void drawPlot(QPainter &painter) const;
    // Moves the legend off the curve of the file now loaded.
    void placeLegend();

    QString m_file;
    QLabel *m_legend = nullptr;
    ModifyFactors m_factors;
};
