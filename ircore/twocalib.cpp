#include "twocalib.h"

#include "calibpage.h"
#include "eglobal.h"
#include "intervals.h"
#include "ircorelibrary.h"
#include "ircoremainwindow.h"
#include "manualdeadpoint.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QString blackbody(int degrees)
{
    return QStringLiteral("Thermal Imager facing %1").arg(degrees) + QChar(0x00B0) + QStringLiteral("C blackbody");
}

// The measuring steps: the step OK acts in, its call, what it says.
struct Measure
{
    int step;
    int (IRCoreLibrary::*call)();
    const char *success;
    const char *failure;
};
const Measure s_measures[] = {
    {0, &IRCoreLibrary::Init_ALL_K_Parameter, "init two point calib. para success", "init two point calib. para failed"},
    {2, &IRCoreLibrary::Init_Sht_Parameter, "init one point calib. para success", "init one point calib. para failed"},
    {4, &IRCoreLibrary::GetLowTemperature, "get low temperature success", "get low temperature failed"},
    {6, &IRCoreLibrary::GetHighTemperature, "get high temperature success", "get high temperature failed"},
    {8, &IRCoreLibrary::Calc_K_Parameter, "cali K success, is K right?", "cali K failed"},
};

const Measure *measureAt(int step)
{
    for (const Measure &m : s_measures) {
        if (m.step == step)
            return &m;
    }
    return nullptr;
}

CalibPage *calibPage()
{
    IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow();
    return window ? static_cast<CalibPage *>(window->widget(IRCoreMainWindow::CalibPageIndex)) : nullptr;
}

} // namespace

TwoCalib::TwoCalib(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Top"));
    setFixedSize(320, 240);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("QWidget#Top{background-color: rgba(0,0,0,0)} QLabel{background-color:white}"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("Message"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setGeometry(0, 0, 320, 24);
    m_message->hide();
    const struct
    {
        QPushButton **button;
        const char *text;
        int x;
        void (TwoCalib::*slot)();
    } buttons[] = {{&m_next, "Next", 200, &TwoCalib::slot_clicked_next},
                   {&m_ok, "OK", 100, &TwoCalib::slot_clicked_ok},
                   {&m_yes, "Yes", 200, &TwoCalib::slot_clicked_yes},
                   {&m_no, "No", 100, &TwoCalib::slot_clicked_no},
                   {&m_exit, "Exit", 140, &TwoCalib::slot_clicked_exit}};
    for (const auto &b : buttons) {
        *b.button = new QPushButton(QLatin1String(b.text), this);
        (*b.button)->setObjectName(QLatin1String(b.text));
        (*b.button)->setFocusPolicy(Qt::NoFocus);
        (*b.button)->move(b.x, 200);
        (*b.button)->hide();
        connect(*b.button, &QPushButton::clicked, this, b.slot);
    }
    m_next->setEnabled(false);
    m_ok->setEnabled(false);
    m_wait = new QTimer(this);
    m_wait->setSingleShot(true);
    connect(m_wait, &QTimer::timeout, this, &TwoCalib::slot_step);
}

TwoCalib::~TwoCalib() = default;

QPushButton *TwoCalib::button(const QString &text) const
{
    return findChild<QPushButton *>(text);
}

void TwoCalib::setMessage(const QString &text)
{
    m_message->setText(text);
}

void TwoCalib::nextReady()
{
    m_next->setEnabled(true);
    m_ok->setEnabled(false);
}

void TwoCalib::okReady()
{
    m_next->setEnabled(false);
    m_ok->setEnabled(true);
}

void TwoCalib::askYesNo(const QString &text)
{
    setMessage(text);
    m_message->show();
    m_next->hide();
    m_ok->hide();
    m_yes->show();
    m_no->show();
}

void TwoCalib::wait()
{
    m_wait->start(Intervals::ms(1000));
}

void TwoCalib::startCalib()
{
    if (IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow())
        window->close();
    m_wait->stop();
    setMessage(QStringLiteral("init two point calib. para"));
    m_message->show();
    m_next->show();
    m_ok->show();
    okReady();
    m_yes->hide();
    m_no->hide();
    m_exit->hide();
    m_step = 0;
}

void TwoCalib::slot_clicked_ok()
{
    const Measure *measure = measureAt(m_step);
    if (!measure)
        return;
    // The step moves on before the call: a second OK meanwhile does nothing.
    ++m_step;
    if ((IRCoreLibrary::instance()->*measure->call)() != 0) {
        m_step = measure->step;
        setMessage(QLatin1String(measure->failure));
        okReady();
        return;
    }
    wait();
}

void TwoCalib::slot_step()
{
    switch (m_step) {
    case 1:
    case 3:
    case 5:
    case 7:
        setMessage(QLatin1String(measureAt(m_step - 1)->success));
        nextReady();
        break;
    case 9:
        askYesNo(QLatin1String(measureAt(8)->success));
        break;
    case 13:
        setMessage(QStringLiteral("save K value success"));
        for (QPushButton *b : {m_next, m_ok, m_yes, m_no})
            b->close();
        m_exit->show();
        break;
    default:
        break;
    }
}

void TwoCalib::slot_clicked_next()
{
    switch (m_step) {
    case 1:
        setMessage(QStringLiteral("init one point calib. para "));
        break;
    case 3:
        setMessage(blackbody(25));
        break;
    case 5:
        setMessage(blackbody(70));
        break;
    case 7:
        setMessage(QStringLiteral("calibrat K and Dead point"));
        break;
    default:
        return;
    }
    ++m_step;
    okReady();
}

void TwoCalib::slot_clicked_yes()
{
    switch (m_step) {
    case 9:
        setMessage(QStringLiteral("are there dead points?"));
        m_step = 10;
        break;
    case 10: {
        m_yes->hide();
        m_no->hide();
        m_message->hide();
        m_step = 11;
        CalibPage *page = calibPage();
        if (!page) {
            manualDeadPointClose();
            break;
        }
        page->startManualCalib(1);
        // Once: every later marking reports through the same connection.
        connect(page->manualDeadPoint(), &ManualDeadPoint::manual_close, this, &TwoCalib::manualDeadPointClose,
                Qt::UniqueConnection);
        break;
    }
    case 12:
        // The step moves on first, and the text is painted without running
        // the event loop: a second tap already waiting saves nothing more.
        m_step = 13;
        m_yes->hide();
        m_no->hide();
        setMessage(QStringLiteral("saving K value..."));
        m_message->hide();
        m_message->show();
        m_message->repaint();
        if (IRCoreLibrary::instance()->Save_K_Para(0) != 0) {
            m_step = 12;
            setMessage(QStringLiteral("save K value failed"));
            m_yes->show();
            m_no->show();
            break;
        }
        wait();
        break;
    default:
        break;
    }
}

void TwoCalib::slot_clicked_no()
{
    switch (m_step) {
    case 9:
        m_step = 0;
        startCalib();
        break;
    case 10:
        setMessage(QStringLiteral("save K value?"));
        m_step = 12;
        break;
    case 12:
        slot_clicked_exit();
        break;
    default:
        break;
    }
}

void TwoCalib::manualDeadPointClose()
{
    qDebug("manual clsoe");
    if (m_step != 11)
        return;
    m_step = 12;
    askYesNo(QStringLiteral("save K value?"));
}

void TwoCalib::slot_clicked_exit()
{
    m_wait->stop();
    close();
    if (IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow())
        window->show();
}

void TwoCalib::keyPressEvent(QKeyEvent *event)
{
    qDebug("%s %s", "ircore/twocalib", "keyPressEvent");
    if (event->key() == Qt::Key_Escape)
        slot_clicked_exit();
}
