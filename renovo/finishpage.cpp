#include "finishpage.h"

#include "childprocess.h"
#include "installwizardbutton.h"
#include "intervals.h"
#include "progressfifo.h"
#include "systemclock.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>
#include <QTimer>

FinishPage::FinishPage(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(320, 240);
    setWindowModality(Qt::WindowModal);
    // The pipe exists from the wizard's start, so the script never finds it missing.
    m_pipe = std::make_unique<ProgressFifo>(QString::fromLatin1(ProgressPipe));
    m_pipeTimer = new QTimer(this);
    connect(m_pipeTimer, &QTimer::timeout, this, &FinishPage::fifoTimeSlots);
    m_progressTimer = new QTimer(this);
    connect(m_progressTimer, &QTimer::timeout, this, &FinishPage::progressTimerSlots);
    m_limitTimer = new QTimer(this);
    m_limitTimer->setSingleShot(true);
    connect(m_limitTimer, &QTimer::timeout, this, &FinishPage::scriptTookTooLong);
    CreateFinishPageUi();

    m_child = new ChildProcess(this);
    connect(m_child, &ChildProcess::finished, this, &FinishPage::copyFinished);
    connect(m_child, &ChildProcess::crashed, this, &FinishPage::scriptCrashed);
    connect(m_child, &ChildProcess::failedToStart, this, &FinishPage::scriptNotStarted);
    connect(m_child, &ChildProcess::outputReady, this, &FinishPage::readyRead);
}

FinishPage::~FinishPage() = default;

void FinishPage::CreateFinishPageUi()
{
    m_title = new QLabel(tr("Install Wizard"), this);
    m_title->setGeometry(0, 0, 320, 20);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("color:white"));

    m_progressBar = new QProgressBar(this);
    m_progressBar->setGeometry(10, 21, 300, 18);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    // A look of its own on every platform's style: the percentage white, as
    // the page's other text, centred over a faint veil like the log's. The
    // camera's style drew it beside the bar in its near-black text colour,
    // on the dark page.
    m_progressBar->setStyleSheet(QStringLiteral(
        "QProgressBar { color: rgb(255, 255, 255); background-color: rgba(255, 255, 255, 60);"
        " border: 1px solid rgba(255, 255, 255, 140); border-radius: 3px; text-align: center; }"
        "QProgressBar::chunk { background-color: rgb(30, 110, 190); }"));

    m_log = new QTextBrowser(this);
    m_log->setGeometry(120, 41, 201, 168);
    m_log->setFocusPolicy(Qt::NoFocus);
    // An update may list thousands of files; the panel shows the last few,
    // and the open line is rewritten as it grows: no undo history to keep.
    m_log->document()->setMaximumBlockCount(LogLines);
    m_log->document()->setUndoRedoEnabled(false);
    m_log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_log->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255);background-color: rgba(255, 255, 255, 100);"));

    m_finish = new Installwizardbutton(this);
    m_finish->setGeometry(250, 213, 65, 25);
    m_finish->setInstallButton(tr("update..."));
    connect(m_finish, &QPushButton::clicked, this, &FinishPage::finishPageslots);
}

bool FinishPage::pipeOpen() const
{
    return m_pipe->isOpen();
}

bool FinishPage::isPollingPipe() const
{
    return m_pipeTimer->isActive();
}

bool FinishPage::isTicking() const
{
    return m_progressTimer->isActive();
}

void FinishPage::StartInstallProcess(int kernel, int app, int fpga)
{
    if (m_state != State::Waiting)
        return;
    m_state = State::Running;
    update();
    m_finish->setEnabled(false);
    m_finish->setInstallButtonStat(false);
    m_pipeTimer->start(Intervals::ms(PipePollMs));
    m_limitTimer->start(Intervals::ms(ScriptLimitMs));
    qDebug("\t  ==== start Run Process %s",
           qPrintable(SystemClock::instance()->now().time().toString(QStringLiteral("hh:mm:ss"))));
    m_child->start(QString::fromLatin1(UpdateScript),
                   {QString::number(kernel), QString::number(app), QString::number(fpga)});
}

void FinishPage::fifoTimeSlots()
{
    const QByteArray chunk = m_pipe->read();
    if (chunk.isEmpty())
        return;
    qDebug("\t ==== Read Buffer %s ==== ", chunk.constData());
    const std::optional<QByteArray> message = m_reader.add(chunk);
    if (!message)
        return;
    if (!m_progress.take(ProgressMessageReader::integers(*message), m_progressBar->value())) {
        qWarning("progress message \"%s\" ignored", message->constData());
        return;
    }
    m_progressTimer->stop();
    progressTimerSlots();
    m_progressTimer->start(Intervals::ms(ProgressTickMs));
}

void FinishPage::progressTimerSlots()
{
    const int value = m_progress.tick(m_progressBar->value());
    if (value >= 0)
        m_progressBar->setValue(value);
}

void FinishPage::copyFinished(int exitCode)
{
    qDebug("%s %d ", Q_FUNC_INFO, __LINE__);
    if (m_state != State::Running)
        return;
    if (exitCode != 0) {
        fail(tr("exit code %1").arg(exitCode));
        return;
    }
    endOutput();
    stopTimers();
    m_state = State::Succeeded;
    update();
    m_progressBar->setValue(100);
    m_title->setText(tr("Update is successful"));
    m_finish->setInstallButton(tr("Complete"));
    m_finish->setEnabled(true);
    m_finish->setInstallButtonStat(true);
}

void FinishPage::scriptCrashed()
{
    if (m_state == State::Running)
        fail(tr("the update script crashed"));
}

void FinishPage::scriptNotStarted(const QString &reason)
{
    if (m_state == State::Running)
        fail(tr("the update script cannot start: %1").arg(reason));
}

void FinishPage::scriptTookTooLong()
{
    if (m_state != State::Running)
        return;
    fail(tr("the update script did not end within %1 minutes").arg(ScriptLimitMs / 60000));
    m_child->kill();
}

void FinishPage::fail(const QString &why)
{
    endOutput();
    stopTimers();
    m_state = State::Failed;
    update();
    m_title->setText(tr("Update fails"));
    appendToLog(why);
    // A way out: Exit hands the device back as Exit on the choice page does.
    m_finish->setInstallButton(tr("Exit"));
    m_finish->setEnabled(true);
    m_finish->setInstallButtonStat(true);
}

void FinishPage::stopTimers()
{
    m_progressTimer->stop();
    m_pipeTimer->stop();
}

void FinishPage::finishPageslots()
{
    qDebug("\t ============ %s %s %d ", "finishpage", Q_FUNC_INFO, __LINE__);
    if (m_state != State::Succeeded && m_state != State::Failed)
        return;
    if (m_state == State::Succeeded) {
        m_finish->setInstallButton(tr("reboot..."));
        m_finish->setInstallButtonStat(false);
    }
    m_state = State::Finishing;
    Q_EMIT finishPagesignals();
}

void FinishPage::readyRead()
{
    // Bounded reads, each cut into lines at once: an update may print
    // megabytes, on one line or many, and the panel shows a few lines.
    for (QByteArray chunk = m_child->read(OutputChunkBytes); !chunk.isEmpty(); chunk = m_child->read(OutputChunkBytes))
        m_output.add(chunk);
    showOutput();
}

void FinishPage::endOutput()
{
    readyRead();
    m_output.finish();
    showOutput();
}

void FinishPage::showOutput()
{
    const QStringList lines = m_output.takeLines();
    const QString open = m_output.openLine();
    // Nothing new to show (the tail of a line of one repeated character
    // does not change): the log is left alone, and not painted again.
    if (lines.isEmpty() && open == m_openLineText)
        return;
    QTextCursor end(m_log->document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    // The open line shown before is now complete (first of lines) or longer.
    bool reuseLastBlock = m_openLineShown;
    if (m_openLineShown) {
        end.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
        end.removeSelectedText();
    }
    auto put = [&](const QString &line) {
        if (!reuseLastBlock && !m_log->document()->isEmpty())
            end.insertBlock();
        reuseLastBlock = false;
        // As text: a file name is never markup.
        end.insertText(QStringLiteral("Extracting ") + line);
    };
    for (const QString &line : lines)
        put(line);
    if (!open.isEmpty())
        put(open);
    else if (reuseLastBlock)
        end.deletePreviousChar(); // the emptied block itself
    m_openLineShown = !open.isEmpty();
    m_openLineText = open;
    end.endEditBlock();
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void FinishPage::appendToLog(const QString &line)
{
    QTextCursor end(m_log->document());
    end.movePosition(QTextCursor::End);
    if (!m_log->document()->isEmpty())
        end.insertBlock();
    end.insertText(line);
    m_openLineShown = false;
    m_openLineText.clear();
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void FinishPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBg(&painter);
    drawText(&painter);
}

void FinishPage::drawBg(QPainter *painter)
{
    painter->drawPixmap(rect(), QPixmap(QStringLiteral(":/images/finishpage.png")));
}

void FinishPage::drawText(QPainter *painter)
{
    // The warning holds while the script runs; once it has ended, the
    // title says how, and the camera may be switched off.
    if (m_state != State::Running)
        return;
    QFont font(QStringLiteral("wenquanyi"), 10);
    font.setWeight(QFont::Normal);
    painter->setFont(font);
    painter->setPen(Qt::white);
    painter->drawText(QRect(0, 80, 120, 30), Qt::AlignCenter, tr("System Updating,"));
    painter->setPen(Qt::red);
    painter->drawText(QRect(0, 120, 120, 20), Qt::AlignCenter, tr("Do not power-off"));
}
