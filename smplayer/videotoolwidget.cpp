#include "videotoolwidget.h"

#include <QPainter>
#include <QPushButton>

VideoToolWidget::VideoToolWidget(QWidget *parent)
    : QWidget(parent, parent ? Qt::WindowFlags() : Qt::FramelessWindowHint)
{
    setFixedSize(320, 40);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    CreateToolWidgetUi();
}

QPushButton *VideoToolWidget::button(const QString &text, const QRect &geometry)
{
    auto *b = new QPushButton(text, this);
    b->setGeometry(geometry);
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(QStringLiteral("QPushButton { color: rgb(248, 248, 255); "
                                    "border-image: url(:images/vyxImages/ButtonBg.png); }"));
    return b;
}

void VideoToolWidget::CreateToolWidgetUi()
{
    m_exit = button(tr("exit"), QRect(30, 2, 120, 35));
    m_delete = button(tr("delete"), QRect(180, 2, 120, 35));
    m_back = button(tr("back"), QRect(5, 2, 100, 35));
    m_deleteFiles = button(tr("delete"), QRect(110, 2, 100, 35));
    m_select = button(tr("Select All"), QRect(215, 2, 100, 35));
    m_back->hide();
    m_deleteFiles->hide();
    m_select->hide();
    connect(m_exit, &QPushButton::clicked, this, &VideoToolWidget::exitButtonSlots);
    connect(m_delete, &QPushButton::clicked, this, &VideoToolWidget::deleteButtonSlots);
    connect(m_back, &QPushButton::clicked, this, &VideoToolWidget::cancelButtonSlots);
    connect(m_deleteFiles, &QPushButton::clicked, this, &VideoToolWidget::deleteFileButtonSignals);
    connect(m_select, &QPushButton::clicked, this, &VideoToolWidget::selectButtonSlots);
}

void VideoToolWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.drawPixmap(rect(), QPixmap(QStringLiteral(":/images/smplayerimages/list_bg.bmp")));
}

void VideoToolWidget::ResetToolWidgetUi()
{
    cancelButtonSlots();
}

void VideoToolWidget::deleteButtonSlots()
{
    m_exit->hide();
    m_delete->hide();
    m_back->show();
    m_deleteFiles->show();
    m_select->show();
    Q_EMIT deleteModeSignals();
}

void VideoToolWidget::cancelButtonSlots()
{
    m_exit->show();
    m_delete->show();
    m_back->hide();
    m_deleteFiles->hide();
    m_select->hide();
    m_selectFlag = true;
    m_select->setText(tr("Select All"));
    Q_EMIT cancelDeleteModeSignals();
}

void VideoToolWidget::exitButtonSlots()
{
    Q_EMIT exitButtonSignals();
}

void VideoToolWidget::selectButtonSlots()
{
    m_selectFlag = !m_selectFlag;
    if (!m_selectFlag) {
        m_select->setText(tr("UnSelect All"));
        Q_EMIT selectAllButtonSignals();
    } else {
        m_select->setText(tr("Select All"));
        Q_EMIT unSelectAllButtonSignals();
    }
}
