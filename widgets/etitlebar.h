#pragma once

#include <QMargins>
#include <QVBoxLayout>
#include <QWidget>

class QLabel;
class QPushButton;

// What the caption bars share: the caption label ("Title"), the title
// picture drawn a little past the bar's edges, and the signals their
// buttons give. Each bar lays the caption out with its own buttons.
class ETitleBar : public QWidget
{
    Q_OBJECT
public:
    void setText(const QString &text);
    QString text() const;

Q_SIGNALS:
    void cancel();
    void done();

protected:
    // Lays page out as a column, margin pixels in from its edges and apart,
    // headed by a Bar 24 high.
    template <typename Bar>
    static Bar *headColumn(QWidget *page, int margin, QVBoxLayout **column)
    {
        auto *layout = new QVBoxLayout(page);
        layout->setContentsMargins(margin, margin, margin, margin);
        layout->setSpacing(margin);
        auto *bar = new Bar(page);
        bar->setFixedHeight(24);
        layout->addWidget(bar);
        *column = layout;
        return bar;
    }

    // bleed: how far the picture reaches past each edge of the bar.
    ETitleBar(QWidget *parent, Qt::WindowFlags flags, const QMargins &bleed);

    QLabel *captionLabel() const { return m_captionLabel; }
    // The flat 48-pixel "Cancel" button with the cancel picture; a click
    // is cancel().
    QPushButton *makePictureCancel();
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_captionLabel;
    QMargins m_bleed;
};
