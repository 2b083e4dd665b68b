#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// One message of a translation catalogue (Qt's .ts format): what lupdate
// extracted (context, source, disambiguation comment) and what the
// translator wrote (one form, or every plural form).
struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    QStringList translations;
    // "unfinished", "vanished", "obsolete", or empty when finished.
    QString type;

    // A message is the same message in two catalogues when all three agree.
    QString key() const { return context + QChar(0x1f) + source + QChar(0x1f) + comment; }
    // "Context: "text"" (with the comment when there is one), for failure lists.
    QString name() const
    {
        QString text = context + QStringLiteral(": \"") + source + QLatin1Char('"');
        if (!comment.isEmpty())
            text += QStringLiteral(" (") + comment + QLatin1Char(')');
        return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    }
};

// Reads every message of a .ts file; error() tells why a file could not be.
class TsCatalogue
{
public:
    bool read(const QString &path)
    {
        m_messages.clear();
        m_error.clear();
        m_language.clear();
        m_sourceLanguage.clear();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_error = path + QStringLiteral(": ") + file.errorString();
            return false;
        }
        QXmlStreamReader xml(&file);
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("TS")) {
                m_language = xml.attributes().value(QLatin1String("language")).toString();
                m_sourceLanguage = xml.attributes().value(QLatin1String("sourcelanguage")).toString();
                continue;
            }
            if (xml.name() != QLatin1String("context")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("message"))
                    readMessage(xml, context);
                else
                    xml.skipCurrentElement();
            }
        }
        if (xml.hasError()) {
            m_error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
            return false;
        }
        return true;
    }

    const QList<TsMessage> &messages() const { return m_messages; }
    QString error() const { return m_error; }
    // The catalogue's language and that of its sources ("de", "en").
    QString language() const { return m_language; }
    QString sourceLanguage() const { return m_sourceLanguage; }

private:
    void readMessage(QXmlStreamReader &xml, const QString &context)
    {
        TsMessage message;
        message.context = context;
        const bool numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("source")) {
                message.source = xml.readElementText();
            } else if (xml.name() == QLatin1String("comment")) {
                message.comment = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                if (numerus) {
                    while (xml.readNextStartElement()) {
                        if (xml.name() == QLatin1String("numerusform"))
                            message.translations << xml.readElementText();
                        else
                            xml.skipCurrentElement();
                    }
                    if (message.translations.isEmpty())
                        message.translations << QString();
                } else {
                    message.translations << xml.readElementText();
                }
            } else {
                xml.skipCurrentElement();
            }
        }
        m_messages << message;
    }

    QList<TsMessage> m_messages;
    QString m_error;
    QString m_language;
    QString m_sourceLanguage;
};
