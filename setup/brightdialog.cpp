#include "brightdialog.h"

#include "brightconfig.h"
#include "brightnesssetting.h"
#include "edialogtitle.h"
#include "emiscpage.h"
#include "messagechannel.h"

#include <QKeyEvent>
#include <QVBoxLayout>

BrightDialog::BrightDialog(QWidget *page, QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags)
    , m_page(qobject_cast<EMiscPage *>(page))
{
    setObjectName(QStringLiteral("BrightDialog"));
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new EDialogTitle(this);
    m_title->setText(tr("Bright"));
    m_title->setFixedHeight(30);
    m_slider = new BrightConfig(this);
    layout->addWidget(m_title);
    layout->addSpacing(8);
    layout->addWidget(m_slider);
    layout->addSpacing(10);
    layout->addStretch();
    connect(m_title, &EDialogTitle::cancel, this, &BrightDialog::cancelHandler);
    connect(m_title, &EDialogTitle::done, this, &BrightDialog::doneHandler);
    setStyleSheet(QStringLiteral("QFrame#BrightDialog{border: 1px solid #8f8f91; border-radius: 6px;}"));
}

void BrightDialog::brightsettings(int position)
{
    BrightnessSetting::store(position);
}

void BrightDialog::showEvent(QShowEvent *event)
{
    m_saved = BrightnessSetting::stored();
    m_slider->setValue(m_saved);
    QFrame::showEvent(event);
}

void BrightDialog::doneHandler()
{
    int position = BrightnessSetting::clamp(m_slider->value());
    // Not stored: the screen and the row go back to the stored brightness.
    if (!BrightnessSetting::store(position)) {
        position = BrightnessSetting::stored();
        m_slider->updateLcdPwm(position);
        m_slider->setValue(position);
    }
    m_saved = position;
    if (m_page)
        m_page->setBrightText(QStringLiteral("%1%").arg(BrightnessSetting::percent(position)));
    close();
}

void BrightDialog::cancelHandler()
{
    brightsettings(m_saved);
    m_slider->updateLcdPwm(m_saved);
    m_slider->setValue(m_saved);
    close();
}

void BrightDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        cancelHandler();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    }
    QFrame::keyPressEvent(event);
}
