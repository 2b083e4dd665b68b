#include "egraphicsviewprivate.h"

#include "eupdateepcsinterface.h"

EGraphicsViewPrivate::EGraphicsViewPrivate(QWidget *parent)
    : QGraphicsView(parent)
{
}

EGraphicsViewPrivate::~EGraphicsViewPrivate()
{
    delete m_flashDialog.data();
}

EUpdateEPCSInterface *EGraphicsViewPrivate::flashDialog() const
{
    return m_flashDialog;
}

void EGraphicsViewPrivate::enterCalibInterface(bool)
{
}

void EGraphicsViewPrivate::updateEPCS()
{
    if (!m_flashDialog)
        m_flashDialog = new EUpdateEPCSInterface(nullptr, Qt::FramelessWindowHint);
    m_flashDialog->setGeometry(0, 0, 320, 240);
    m_flashDialog->show();
    m_flashDialog->raise();
}
