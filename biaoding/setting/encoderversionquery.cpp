#include "encoderversionquery.h"

#include "encoderlink.h"
#include "fiforeader.h"
#include "fifowriter.h"
#include "intervals.h"

#include <QTimer>

EncoderVersionQuery::EncoderVersionQuery(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        qWarning("get version error");
        finish(false);
    });
}

EncoderVersionQuery::~EncoderVersionQuery()
{
    if (m_reader)
        m_reader->stop();
}

bool EncoderVersionQuery::isRunning() const
{
    return m_reader != nullptr;
}

QString EncoderVersionQuery::replyText(const QByteArray &reply)
{
    QByteArray text = reply.left(ReplyLimit);
    const int zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);
    return QString::fromLatin1(text).trimmed();
}

void EncoderVersionQuery::start()
{
    if (m_reader)
        return;
    m_reply.clear();
    // The reply pipe is read before the request goes: no reply is lost.
    m_reader = new FifoReader(QLatin1String(EncoderLink::VersionPipe), this);
    connect(m_reader, &FifoReader::received, this, &EncoderVersionQuery::received);
    if (!m_reader->open()) {
        qWarning("get version error: no reply pipe");
        finish(false);
        return;
    }
    const FifoWriter::Result sent = FifoWriter::write(QLatin1String(EncoderLink::CommandPipe),
                                                      QByteArray(EncoderLink::VersionStart) + '\n');
    if (sent != FifoWriter::Written) {
        qWarning("get version error: %s", FifoWriter::describe(sent));
        finish(false);
        return;
    }
    m_timer->start(Intervals::ms(EncoderLink::VersionWaitMs));
}

void EncoderVersionQuery::received(const QByteArray &data)
{
    if (!m_reader)
        return;
    m_reply += data;
    qDebug("\t read Encode version [%s]", m_reply.constData());
    finish(true);
}

void EncoderVersionQuery::finish(bool ok)
{
    m_timer->stop();
    if (m_reader) {
        m_reader->stop();
        m_reader->deleteLater();
        m_reader = nullptr;
    }
    const QString text = ok ? replyText(m_reply) : QString();
    Q_EMIT finished(ok && !text.isEmpty(), text);
}
