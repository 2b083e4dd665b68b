#pragma once

#include <QPushButton>

// A checkable 48-pixel row button with the tick picture when checked. Kept
// for lists of palettes as buttons; the palette list uses kinetic rows.
class ECustomItem : public QPushButton
{
    Q_OBJECT
public:
    explicit ECustomItem(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
};
