#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// Wires every seam to its simulated side for `ostrel --simulate`: prepares
// the root, makes it the path root and the working directory, installs the
// recording command runner and the simulated clock, and runs encoder-sim.
class Simulator : public QObject
{
    Q_OBJECT
public:
    explicit Simulator(QObject *parent = nullptr);
    ~Simulator() override;

    // rootDir empty: OSTREL_ROOT, else "./sim-root".
    bool start(const QString &rootDir = QString());
    void stop();

    QString root() const { return m_root; }
    static QString defaultRoot();

private:
    void startEncoder();

    QString m_root;
    QProcess m_encoder;
};
