#include "manualdeadpoint.h"

#include "centredquestion.h"
#include "eglobal.h"
#include "espotgraphicsitem.h"
#include "espotwidget.h"
#include "ircorelibrary.h"
#include "ircoremainwindow.h"

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalMapper>
#include <QTimer>

namespace {
// Face and offset from the pad's centre, by mapping number.
const struct
{
    const char *image;
    int dx, dy;
} s_pad[] = {{":/images/adjust_down.png", -16, -48},
             {":/images/adjust_up.png", -16, 16},
             {":/images/setup_arrow_left.png", -48, -16},
             {":/images/setup_arrow_right.png", 16, -16},
             {nullptr, -16, -16}};
const QPoint s_steps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {0, 0}};
} // namespace

ManualDeadPoint::ManualDeadPoint(QWidget *parent)
    : QGraphicsView(parent)
{
    auto *scene = new QGraphicsScene(nullptr);
    scene->setSceneRect(0, 0, 320, 240);
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setObjectName(QStringLiteral("Top"));
    setFixedSize(320, 240);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));

    m_cursor = new ESpotWidget(scene, nullptr, 1, false, true);
    m_cursor->move(160, 120, 0);
    m_cursor->setVisible(true);

    m_pressMapper = new QSignalMapper(this);
    m_releaseMapper = new QSignalMapper(this);
    for (int n = 0; n < 5; ++n) {
        auto *button = new QPushButton(this);
        button->setFixedSize(32, 32);
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
        if (s_pad[n].image) {
            button->setIcon(QIcon(QLatin1String(s_pad[n].image)));
        } else {
            button->setText(QStringLiteral("OK"));
            button->setEnabled(false);
        }
        connect(button, &QPushButton::pressed, m_pressMapper, qOverload<>(&QSignalMapper::map));
        connect(button, &QPushButton::released, m_releaseMapper, qOverload<>(&QSignalMapper::map));
        m_pressMapper->setMapping(button, n);
        m_releaseMapper->setMapping(button, n);
        m_buttons[n] = button;
    }
    m_buttons[Ok]->setObjectName(QStringLiteral("OK"));
    connect(m_pressMapper, &QSignalMapper::mappedInt, this, &ManualDeadPoint::slot_btnPressed);
    connect(m_releaseMapper, &QSignalMapper::mappedInt, this, &ManualDeadPoint::slot_btnReleased);
    connect(m_buttons[Ok], &QPushButton::clicked, this, &ManualDeadPoint::slot_clicked_ok);
    m_longPress = new QTimer(this);
    connect(m_longPress, &QTimer::timeout, this, &ManualDeadPoint::mouseLongPress);
    changePosition();
}

ManualDeadPoint::~ManualDeadPoint()
{
    QGraphicsScene *s = scene();
    delete m_cursor;
    delete s;
}

QPoint ManualDeadPoint::padCentreFor(int cursorY)
{
    return QPoint(160, cursorY <= 120 ? 192 : 58);
}

void ManualDeadPoint::changePosition()
{
    const QPoint centre = padCentreFor(m_cursor->getY());
    m_centreX = centre.x();
    m_centreY = centre.y();
    for (int n = 0; n < 5; ++n)
        m_buttons[n]->move(m_centreX + s_pad[n].dx, m_centreY + s_pad[n].dy);
}

void ManualDeadPoint::stepCursor(int number)
{
    const QPoint step = s_steps[number];
    m_cursor->move(m_cursor->getX() + step.x(), m_cursor->getY() + step.y(), 0);
    changePosition();
}

void ManualDeadPoint::slot_btnPressed(int number)
{
    m_longPress->start(100);
    m_direction = number;
    m_cursor->setHighlight(true);
    m_buttons[Ok]->setEnabled(true);
    m_longPressed = false;
}

void ManualDeadPoint::mouseLongPress()
{
    stepCursor(m_direction);
    m_longPressed = true;
}

void ManualDeadPoint::slot_btnReleased(int number)
{
    m_longPress->stop();
    if (!m_longPressed)
        stepCursor(number);
}

void ManualDeadPoint::slot_clicked_ok()
{
    if (!m_cursor->isHighlight())
        return;
    IRCoreLibrary *core = IRCoreLibrary::instance();
    if (core->SetDeadPointXY(2 * m_cursor->getX(), m_cursor->getY()) != 0 || core->SetDeadPointValid() != 0) {
        // Not marked: OK stays ready to send it again.
        qWarning("dead point %d, %d not taken", m_cursor->getX(), m_cursor->getY());
        return;
    }
    m_cursor->setHighlight(false);
    m_buttons[Ok]->setEnabled(false);
}

void ManualDeadPoint::mousePressEvent(QMouseEvent *event)
{
    const QList<QGraphicsItem *> hits = items(event->position().toPoint());
    if (hits.isEmpty()) {
        m_cursor->setHighlight(false);
        m_buttons[Ok]->setEnabled(false);
        return;
    }
    for (QGraphicsItem *item : hits) {
        if (item->type() & ESpotGraphicsItem::Type) {
            m_cursor->setHighlight(true);
            m_dragging = true;
            m_buttons[Ok]->setEnabled(true);
            return;
        }
    }
}

void ManualDeadPoint::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && m_cursor->isHighlight()) {
        const QPoint at = event->position().toPoint();
        m_cursor->move(at.x(), at.y(), 0);
    }
}

void ManualDeadPoint::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    changePosition();
}

void ManualDeadPoint::showEvent(QShowEvent *event)
{
    if (IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow())
        window->close();
    if (IRCoreLibrary::instance()->StartSetDeadPoint() != 0)
        qWarning("dead point marking not started");
    QGraphicsView::showEvent(event);
}

void ManualDeadPoint::keyPressEvent(QKeyEvent *event)
{
    qDebug("%s %s", "ircore/manualdeadpoint", "keyPressEvent");
    if (event->key() != Qt::Key_Escape)
        return;
    if (m_type == 1) {
        IRCoreLibrary::instance()->FinishSetDeadPoint();
        close();
        Q_EMIT manual_close();
        return;
    }
    const QMessageBox::StandardButton answer = CentredQuestion::ask(QStringLiteral("Save Dead Point Data?"));
    if (answer == QMessageBox::Yes)
        finish(true);
    else if (answer == QMessageBox::No)
        finish(false);
}

void ManualDeadPoint::finish(bool save)
{
    if (save)
        IRCoreLibrary::instance()->Save_K_Para(0);
    IRCoreLibrary::instance()->FinishSetDeadPoint();
    close();
    if (IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow())
        window->show();
}

void ManualDeadPoint::abandon()
{
    if (!isVisible())
        return;
    m_longPress->stop();
    IRCoreLibrary::instance()->FinishSetDeadPoint();
    close();
}
