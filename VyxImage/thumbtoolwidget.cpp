#include "thumbtoolwidget.h"

#include <QPainter>
#include <QPushButton>

ThumbToolWidget::ThumbToolWidget(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setFixedSize(320, 40);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    m_exit = makeButton(tr("exit"), QRect(30, 2, 120, 35));
    m_delete = makeButton(tr("delete"), QRect(180, 2, 120, 35));
    m_back = makeButton(tr("back"), QRect(5, 2, 100, 35));
    m_deleteFiles = makeButton(tr("delete"), QRect(110, 2, 100, 35));
    m_select = makeButton(tr("Select All"), QRect(215, 2, 100, 35));
    m_back->hide();
    m_deleteFiles->hide();
    m_select->hide();
    connect(m_exit, &QPushButton::clicked, this, &ThumbToolWidget::exitButtonSlots);
    connect(m_delete, &QPushButton::clicked, this, &ThumbToolWidget::deleteButtonSlots);
    connect(m_back, &QPushButton::clicked, this, &ThumbToolWidget::cancelButtonSlots);
    connect(m_deleteFiles, &QPushButton::clicked, this, &ThumbToolWidget::deleteFileButtonSignals);
    connect(m_select, &QPushButton::clicked, this, &ThumbToolWidget::selectButtonSlots);
}

QPushButton *ThumbToolWidget::makeButton(const QString &text, const QRect &geometry)
{
    auto *button = new QPushButton(text, this);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    button->setStyleSheet(QStringLiteral("color: rgb(248, 248, 255); border-image: url(:images/vyxImages/ButtonBg.png);"));
    return button;
}

void ThumbToolWidget::deleteButtonSlots()
{
    m_exit->hide();
    m_delete->hide();
    m_back->show();
    m_deleteFiles->show();
    m_select->show();
    emit deleteModeSignals();
}

void ThumbToolWidget::cancelButtonSlots()
{
    m_exit->show();
    m_delete->show();
    m_back->hide();
    m_deleteFiles->hide();
    m_select->hide();
    m_selectAll = true;
    m_select->setText(tr("Select All"));
    emit cancelDeleteModeSignals();
}

void ThumbToolWidget::exitButtonSlots()
{
    emit exitButtonSignals();
}

void ThumbToolWidget::selectButtonSlots()
{
    if (m_selectAll) {
        m_selectAll = false;
        m_select->setText(tr("UnSelect All"));
        emit selectAllButtonSignals();
    } else {
        m_selectAll = true;
        m_select->setText(tr("Select All"));
        emit unSelectAllButtonSignals();
    }
}

void ThumbToolWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(rect(), QPixmap(QStringLiteral(":/images/smplayerimages/list_bg.bmp")));
}
