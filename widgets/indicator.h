#pragma once

#include <QString>
#include <QWidget>

// A short tip over the widget it is shown on: a green box whose text fades a
// little, or the memory-card picture. It deletes itself when its time line
// (1.5 s) ends; the owner keeps no pointer to it.
class Indicator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)
public:
    explicit Indicator(QWidget *parent);

    void setString(const QString &text, int kind);
    void setImage(int kind);
    void run();

    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    int kind() const { return m_kind; }
    QString text() const { return m_text; }
    QString imagePath() const { return m_imagePath; }

    static int nominalDurationMs() { return 1500; }

public Q_SLOTS:
    void runInternal();
    void updateStep(int step);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintText(QPainter &painter);
    void paintPicture(QPainter &painter);

    qreal m_opacity = 1.0;
    int m_kind = 0;
    QString m_text;
    QString m_imagePath;
    int m_centerX = 0;
    int m_centerY = 0;
    int m_steps = 0;
};
