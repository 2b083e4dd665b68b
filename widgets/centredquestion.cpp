#include "centredquestion.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

CentredQuestion::Responder &CentredQuestion::responder()
{
    static Responder installed;
    return installed;
}

CentredQuestion::Responder CentredQuestion::setResponder(Responder responder)
{
    Responder previous = std::move(CentredQuestion::responder());
    CentredQuestion::responder() = std::move(responder);
    return previous;
}

QMessageBox::StandardButton CentredQuestion::ask(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    nullptr);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    // The box's first show puts a title bar back; frameless is set after it
    // (which hides the box) and the box shown again.
    box.show();
    box.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    box.show();
    auto centre = [&box]() { box.move((320 - box.width()) / 2, (240 - box.height()) / 2); };
    centre();

    // The box settles its size once its loop runs: centre it again then.
    const Responder answer = responder();
    QTimer::singleShot(0, &box, [&box, answer, centre]() {
        centre();
        if (!answer)
            return;
        answer(&box);
        if (box.isVisible() && !box.clickedButton())
            box.button(QMessageBox::No)->click();
    });
    // exec() would show the box once more and lose the frameless hint.
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
}
