#pragma once

#include <QPushButton>

// Caption of the setup rows: a flat push button drawn as a white,
// left-aligned label that ignores the finger (never pressed, never clicked).
class ELabel : public QPushButton
{
public:
    explicit ELabel(QWidget *parent = nullptr);
    ELabel(const QString &text, QWidget *parent = nullptr);

    void setText(const QString &text) { QPushButton::setText(text); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUp();
};
