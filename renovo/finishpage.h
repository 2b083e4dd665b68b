#pragma once

#include "outputlines.h"
#include "progressmessagereader.h"
#include "updateprogress.h"

#include <QWidget>

#include <memory>

class ChildProcess;
class Installwizardbutton;
class ProgressFifo;
class QLabel;
class QPainter;
class QProgressBar;
class QTextBrowser;
class QTimer;

// The progress page: runs the update script with the chosen parts, moves
// the bar from the script's messages in the progress pipe, and says how the
// update ended. The finish button leads out after success ("Complete") and
// after failure ("Exit"); either way the wizard then hands the device back.
class FinishPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char *UpdateScript = "/works/renovo.sh";
    static constexpr const char *ProgressPipe = "/tmp/updateOSTREL";
    static constexpr int PipePollMs = 300;
    static constexpr int ProgressTickMs = 1000;
    // A script still running after this long (through Intervals) has hung:
    // it is ended and the update fails.
    static constexpr int ScriptLimitMs = 30 * 60 * 1000;
    // The script's output is read in pieces of this size; of what one read
    // brings, the log shows the last ShownLines lines, and the line still
    // being written as its last line.
    static constexpr int OutputChunkBytes = 64 * 1024;
    static constexpr int ShownLines = 20;
    // Of a longer line the log shows its last this many characters, and it
    // keeps LogLines lines: its text stays small whatever the script prints.
    static constexpr int ShownLineChars = 160;
    static constexpr int LogLines = 500;

    enum class State { Waiting, Running, Succeeded, Failed, Finishing };

    explicit FinishPage(QWidget *parent = nullptr);
    ~FinishPage() override;

    State state() const { return m_state; }
    bool pipeOpen() const;
    QProgressBar *progressBar() const { return m_progressBar; }
    QTextBrowser *logArea() const { return m_log; }
    QLabel *titleLabel() const { return m_title; }
    Installwizardbutton *finishButton() const { return m_finish; }
    bool isPollingPipe() const;
    bool isTicking() const;
    const UpdateProgress &progress() const { return m_progress; }

Q_SIGNALS:
    void finishPagesignals();

public Q_SLOTS:
    void StartInstallProcess(int kernel, int app, int fpga);
    void fifoTimeSlots();
    void progressTimerSlots();
    void finishPageslots();
    void readyRead();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void CreateFinishPageUi();
    void drawBg(QPainter *painter);
    void drawText(QPainter *painter);
    void copyFinished(int exitCode);
    void scriptCrashed();
    void scriptNotStarted(const QString &reason);
    void scriptTookTooLong();
    void showOutput();
    void endOutput();
    void appendToLog(const QString &line);
    void fail(const QString &why);
    void stopTimers();

    State m_state = State::Waiting;
    std::unique_ptr<ProgressFifo> m_pipe;
    ChildProcess *m_child = nullptr;
    QLabel *m_title = nullptr;
    QTextBrowser *m_log = nullptr;
    QProgressBar *m_progressBar = nullptr;
    Installwizardbutton *m_finish = nullptr;
    QTimer *m_pipeTimer = nullptr;
    QTimer *m_progressTimer = nullptr;
    QTimer *m_limitTimer = nullptr;
    ProgressMessageReader m_reader;
    OutputLines m_output{ShownLineChars, ShownLines};
    // The log's last line is the open line of the output, replaced as it grows.
    bool m_openLineShown = false;
    QString m_openLineText;
    UpdateProgress m_progress;
};
