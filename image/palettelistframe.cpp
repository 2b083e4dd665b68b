#include "palettelistframe.h"

#include "ecolortablerect.h"
#include "edialogtitle.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// Where the indicator starts: just under the caption bar.
constexpr int SliderTop = 26;
}

PaletteListFrame::PaletteListFrame(QWidget *dialog, const QString &caption, Qt::Alignment listAlignment)
    : dialog(dialog)
{
    QVBoxLayout *layout = nullptr;
    title = EDialogTitle::headColumnDialog(dialog, &layout);
    title->setText(caption);
    scene = new QGraphicsScene(dialog);
    view = new QGraphicsView(scene, dialog);
    view->setFrameShape(QFrame::NoFrame);
    view->setAlignment(listAlignment);
    strip = new EColorTableRect(dialog, 0, 256, 12);
    layout->addWidget(view);
    layout->addSpacing(2);
    layout->addWidget(strip, 0, Qt::AlignHCenter);
    layout->addSpacing(2);

    slider = new QLabel(dialog);
    slider->setObjectName(QStringLiteral("Slider"));
    slider->setFixedWidth(3);
    slider->hide();
}

void PaletteListFrame::moveSlider(int value, float dy) const
{
    slider->move(dialog->width() - 3, int(value * dy + float(SliderTop)));
}

void PaletteListFrame::setChoose(bool chosen) const
{
    strip->setVisible(chosen);
}
