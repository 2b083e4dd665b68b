#pragma once

#include <QPixmap>
#include <QPushButton>

class QLabel;

// Navigation row of the setup lists: a 16x16 icon and a caption. It reports
// its caption as soon as the finger goes down, and can be painted
// highlighted as the selected entry of its list.
class ESetupItem : public QPushButton
{
    Q_OBJECT
public:
    ESetupItem(const QString &text, const QString &iconPath, QWidget *parent = nullptr);

    void setHighlight(bool on);
    bool highlight() const { return m_highlight; }
    // Hides the icon; the caption moves to the left margin.
    void removePixmap();
    QString caption() const;

Q_SIGNALS:
    void clicked(const QString &text);

public Q_SLOTS:
    void clickedHandler();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_icon;
    QLabel *m_textLabel = nullptr;
    bool m_highlight = false;
    QLabel *m_iconLabel = nullptr;
};
