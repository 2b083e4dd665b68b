#include "zmultifunctional.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "elivepopups.h"
#include "mzoomrotebutton.h"
#include "pipecommand.h"

#include <QHBoxLayout>

namespace {
const char *const Pictures[][2] = {
    {"zoom_in", "zoomin"},
    {"zoom_out", "zoomout"},
    {"leftrote", "rote"},
    {"rightrote", "right_rote"},
    {"revert", "revert"},
    {"exit", "zoom_rote_exit"},
};

QString stripStyle()
{
    QString sheet = QStringLiteral("ZMultifunctional { background-image: url(:images/multifunctional/bg.png); }");
    for (const auto &picture : Pictures) {
        sheet += QStringLiteral("QPushButton#%1 { border-image: url(:images/multifunctional/%2.bmp); color: white; }"
                                "QPushButton#%1:pressed { border-image: url(:images/multifunctional/%2_red.bmp); }")
                     .arg(QLatin1String(picture[0]), QLatin1String(picture[1]));
    }
    return sheet;
}
} // namespace

ZMultifunctional::ZMultifunctional(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    setFixedSize(320, 40);
    // The background picture is drawn only when the dialog paints its own
    // styled background.
    setAttribute(Qt::WA_StyledBackground);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addStretch();
    m_zoomIn = addButton(QStringLiteral("zoom_in"));
    m_zoomOut = addButton(QStringLiteral("zoom_out"));
    m_leftRote = addButton(QStringLiteral("leftrote"));
    m_rightRote = addButton(QStringLiteral("rightrote"));
    m_revert = addButton(QStringLiteral("revert"));
    m_exit = addButton(QStringLiteral("exit"));
    m_exit->setText(tr("Done"));
    m_exit->setFixedWidth(45);
    QFont bold(QStringLiteral("wenquanyi"), 15);
    bold.setBold(true);
    m_exit->setFont(bold);
    for (MZoomroteButton *b : {m_zoomIn, m_zoomOut, m_leftRote, m_rightRote, m_revert, m_exit})
        layout->addWidget(b);
    layout->addStretch();
    setStyleSheet(stripStyle());
    ELivePopups::setZoomStrip(this);
}

ZMultifunctional::~ZMultifunctional()
{
    if (ELivePopups::zoomStrip() == this)
        ELivePopups::setZoomStrip(nullptr);
}

MZoomroteButton *ZMultifunctional::addButton(const QString &name)
{
    auto *b = new MZoomroteButton(this);
    b->setName(name);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedHeight(30);
    b->setFixedWidth(40);
    connect(b, &MZoomroteButton::clicked_Button, this, &ZMultifunctional::zoom_rote_slots);
    connect(b, &MZoomroteButton::released_Button, this, &ZMultifunctional::exit_zoom_rote);
    return b;
}

MZoomroteButton *ZMultifunctional::button(const QString &name) const
{
    return findChild<MZoomroteButton *>(name, Qt::FindDirectChildrenOnly);
}

QString ZMultifunctional::indicatorText(int angle, int zoom)
{
    return QString::asprintf("%d", angle) + QChar(0x00B0) + QString::asprintf("/%4.1f", zoom / 10.0);
}

void ZMultifunctional::zoom_rote_slots(const QString &name)
{
    m_step = qMin(m_step + 1, int(StepMax));
    if (name == QLatin1String("zoom_in")) {
        m_zoom = qMax(m_zoom - m_step, int(ZoomMin));
        send("zoom start sub" + QByteArray::number(m_zoom));
    } else if (name == QLatin1String("zoom_out")) {
        m_zoom = qMin(m_zoom + m_step, int(ZoomMax));
        send("zoom start add" + QByteArray::number(m_zoom));
    } else if (name == QLatin1String("leftrote")) {
        if (m_angle == 0)
            m_angle = AngleMax;
        m_angle = qMax(m_angle - m_step, 0);
        send("rote start sub" + QByteArray::number(m_angle));
    } else if (name == QLatin1String("rightrote")) {
        m_angle += m_step;
        if (m_angle > AngleMax)
            m_angle = 0;
        send("rote start add" + QByteArray::number(m_angle));
    } else if (name == QLatin1String("revert")) {
        send("rote stop");
        send("zoom stop");
        m_zoom = ZoomMin;
        m_angle = 0;
    } else if (name == QLatin1String("exit")) {
        hide();
    }
    updateIndicator();
}

void ZMultifunctional::exit_zoom_rote()
{
    m_step = 0;
}

// A command that cannot be written is dropped: the strip keeps its values,
// and the next step carries the new absolute value anyway.
void ZMultifunctional::send(const QByteArray &command)
{
    PipeCommand::send(PipeCommand::ServicePipe, command, "ZMultifunctional");
}

void ZMultifunctional::updateIndicator()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view)
        return;
    if (m_zoom == ZoomMin && m_angle == 0)
        view->disableMultiRz();
    else
        view->enableMultiRz(indicatorText(m_angle, m_zoom));
}
