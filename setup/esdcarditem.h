#pragma once

#include <QPushButton>

class ESDCardSpace;
class QLabel;

// Storage row: a caption line over the card's usage bar.
class ESDCardItem : public QPushButton
{
    Q_OBJECT
public:
    explicit ESDCardItem(const QString &title, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setText(const QString &text);
    void setTotalSize(float total);
    void setUsedSize(float used);
    ESDCardSpace *space() const { return m_space; }

private:
    QLabel *m_titleLabel = nullptr;
    ESDCardSpace *m_space = nullptr;
};
