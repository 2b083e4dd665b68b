#include "plaincalibpage.h"

#include "eglobal.h"
#include "egraphicsview.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlainCalibPage::PlainCalibPage(int pageType, const QString &title, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_pageType(pageType)
    , m_title(new QLabel(title, this))
    , m_back(new QPushButton(QStringLiteral("Back"), this))
{
    setObjectName(title);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("PlainCalibPage{background:#202830;} QLabel{color:white;}"));
    m_title->setAlignment(Qt::AlignCenter);
    m_back->setObjectName(QStringLiteral("Back"));
    m_back->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title, 1);
    layout->addWidget(m_back, 0, Qt::AlignLeft);
    connect(m_back, &QPushButton::clicked, this, &PlainCalibPage::goBack);
}

void PlainCalibPage::goBack()
{
    // A viewer over an open page just goes.
    if (m_pageType < 0) {
        hide();
        return;
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_TYPE(m_pageType), false);
}
