#pragma once

#include "epcsprogrammer.h"

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

// Reprograms the FPGA's configuration flash from "/media/mmc/etc/update.pof"
// on the card. The programming runs on a worker thread; while it runs the
// dialog takes no keys, cannot be closed and the idle, key and slide
// power-offs are refused. "Exit" powers off so the new design loads.
class EUpdateEPCSInterface : public QDialog
{
    Q_OBJECT
public:
    static const char *imagePath() { return "/media/mmc/etc/update.pof"; }

    explicit EUpdateEPCSInterface(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~EUpdateEPCSInterface() override;

    // The worker's waits; by default it sleeps the nominal times, none
    // without a sleeper.
    void setSleeper(EpcsProgrammer::Sleeper sleeper) { m_sleeper = std::move(sleeper); }

    bool isRunning() const { return m_running; }
    QString messageText() const { return m_text; }
    QProgressBar *progressBar() const { return m_progress; }
    QLabel *messageLabel() const { return m_label; }
    QPushButton *startButton() const { return m_start; }
    QPushButton *exitButton() const { return m_exit; }

public Q_SLOTS:
    void update();
    void exit();
    void reject() override;

Q_SIGNALS:
    // A run ended (EpcsProgrammer::Result).
    void programmingFinished(int result);
    // The dialog went from the screen, whichever way it was closed.
    void hidden();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showText(bool good);
    void appendLine(const QString &line, bool good);
    void runFinished(int result);
    void stopWorker();

    QProgressBar *m_progress = nullptr;
    QLabel *m_label = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_exit = nullptr;
    QString m_text;
    bool m_running = false;
    EpcsProgrammer::Sleeper m_sleeper = EpcsProgrammer::defaultSleeper();
    std::unique_ptr<EpcsProgrammer> m_programmer;
    QThread *m_thread = nullptr;
};
