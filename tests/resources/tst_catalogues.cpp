#include "faultlist.h"
#include "languagetable.h"
#include "testroot.h"
#include "tscatalogue.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <memory>

// The translation catalogues as the build compiles them: every language of
// the language list has one, every message in it is translated, and every
// tr() text of the application is in it. The texts are extracted afresh by
// lupdate into this test's root; the source tree is only read.
class TestCatalogues : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void messagesFinished_data();
    void messagesFinished();
    void everyTextIsInTheCatalogue_data();
    void everyTextIsInTheCatalogue();
    void noCodeNameShown_data();
    void noCodeNameShown();
    void reviewedTexts_data();
    void reviewedTexts();

private:
    static void addLanguageRows();
    static QString cataloguePath(const QString &key);
    static QStringList placeholders(const QString &text);

    std::unique_ptr<TestRoot> m_root;
    QList<TsMessage> m_sources;
};

void TestCatalogues::initTestCase()
{
    m_root = std::make_unique<TestRoot>();
    const QDir sourceDir(qEnvironmentVariable("OSTREL_SOURCE_DIR"));
    QVERIFY2(sourceDir.exists(QStringLiteral("resources/translations")), qPrintable(sourceDir.path()));

    // The same extraction that keeps the catalogues current, into a file of
    // this root instead of the catalogues.
    const QString extracted = m_root->hostPath(QStringLiteral("sources.ts"));
    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                          QStringLiteral("none")};
    const QStringList folders = QStringLiteral(OSTREL_TRANSLATED_FOLDERS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVERIFY(!folders.isEmpty());
    for (const QString &folder : folders)
        arguments << sourceDir.filePath(folder);
    arguments << QStringLiteral("-ts") << extracted;
    QProcess lupdate;
    lupdate.setWorkingDirectory(m_root->root());
    lupdate.start(QStringLiteral(OSTREL_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAllStandardError().constData());

    TsCatalogue sources;
    QVERIFY2(sources.read(extracted), qPrintable(sources.error()));
    m_sources = sources.messages();
    QVERIFY2(!m_sources.isEmpty(), "lupdate found no tr() text");
}

void TestCatalogues::cleanupTestCase()
{
    m_root.reset();
}

void TestCatalogues::addLanguageRows()
{
    QTest::addColumn<QString>("key");
    for (int i = 0; i < LanguageTable::Count; ++i)
        QTest::newRow(qPrintable(LanguageTable::key(i))) << LanguageTable::key(i);
}

QString TestCatalogues::cataloguePath(const QString &key)
{
    return qEnvironmentVariable("OSTREL_SOURCE_DIR") + QStringLiteral("/resources/translations/ostrel_") + key
           + QStringLiteral(".ts");
}

// "%1", "%L2", "%n" in the order of their numbers: what arg() fills in.
QStringList TestCatalogues::placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    std::sort(found.begin(), found.end());
    return found;
}

void TestCatalogues::messagesFinished_data()
{
    addLanguageRows();
}

// Each message is finished and translated (every plural form), keeps the
// placeholders of its source, and in a catalogue of the sources' own
// language says just what the source says.
void TestCatalogues::messagesFinished()
{
    QFETCH(QString, key);
    const QString name = QStringLiteral("ostrel_") + key + QStringLiteral(".ts");
    TsCatalogue catalogue;
    QVERIFY2(catalogue.read(cataloguePath(key)), qPrintable(catalogue.error()));
    QVERIFY2(!catalogue.messages().isEmpty(), qPrintable(name + QStringLiteral(": no message")));
    const bool sourceLanguage = catalogue.language() == catalogue.sourceLanguage();

    QStringList faults;
    for (const TsMessage &message : catalogue.messages()) {
        if (!message.type.isEmpty()) {
            faults << message.type + QStringLiteral(": ") + message.name();
            continue;
        }
        for (const QString &translation : message.translations) {
            if (translation.isEmpty())
                faults << QStringLiteral("empty: ") + message.name();
            else if (placeholders(translation) != placeholders(message.source))
                faults << QStringLiteral("placeholders differ: ") + message.name() + QStringLiteral(" -> \"")
                              + translation + QLatin1Char('"');
            else if (sourceLanguage && translation != message.source)
                faults << QStringLiteral("not the source text: ") + message.name() + QStringLiteral(" -> \"")
                              + translation + QLatin1Char('"');
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faultList(name, QStringLiteral("messages not finished"), faults)));
}

void TestCatalogues::everyTextIsInTheCatalogue_data()
{
    addLanguageRows();
}

// The catalogue holds exactly the texts the sources ask for: a new tr()
// text is not forgotten, a removed one does not linger.
void TestCatalogues::everyTextIsInTheCatalogue()
{
    QFETCH(QString, key);
    const QString name = QStringLiteral("ostrel_") + key + QStringLiteral(".ts");
    TsCatalogue catalogue;
    QVERIFY2(catalogue.read(cataloguePath(key)), qPrintable(catalogue.error()));

    QSet<QString> held;
    for (const TsMessage &message : catalogue.messages())
        held.insert(message.key());
    QSet<QString> asked;
    QStringList faults;
    for (const TsMessage &message : m_sources) {
        asked.insert(message.key());
        if (!held.contains(message.key()))
            faults << QStringLiteral("missing: ") + message.name();
    }
    for (const TsMessage &message : catalogue.messages())
        if (!asked.contains(message.key()) && message.type != QLatin1String("vanished")
            && message.type != QLatin1String("obsolete"))
            faults << QStringLiteral("no tr() text asks for: ") + message.name();
    QVERIFY2(faults.isEmpty(), qPrintable(faultList(name, QStringLiteral("messages unlike the sources"), faults)));
}

void TestCatalogues::noCodeNameShown_data()
{
    addLanguageRows();
}

// A translated text is words: letters joined by "_" are an identifier of
// the code that reached the screen untranslated.
void TestCatalogues::noCodeNameShown()
{
    QFETCH(QString, key);
    const QString name = QStringLiteral("ostrel_") + key + QStringLiteral(".ts");
    TsCatalogue catalogue;
    QVERIFY2(catalogue.read(cataloguePath(key)), qPrintable(catalogue.error()));
    if (catalogue.language() == catalogue.sourceLanguage())
        QSKIP("the sources' own language shows the sources");
    static const QRegularExpression joined(QStringLiteral("\\p{L}_\\p{L}"));
    QStringList faults;
    for (const TsMessage &message : catalogue.messages())
        for (const QString &translation : message.translations)
            if (translation.contains(joined))
                faults << message.name() + QStringLiteral(" -> \"") + translation + QLatin1Char('"');
    QVERIFY2(faults.isEmpty(), qPrintable(faultList(name, QStringLiteral("code names shown"), faults)));
}

void TestCatalogues::reviewedTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("shown");
    // Texts that read as something else until reviewed by native speakers.
    const struct {
        const char *key, *context, *source, *shown;
    } rows[] = {
        {"German", "EParaSetup", "Save failed!", "Speichern fehlgeschlagen!"},
        {"German", "EMiscPage", "Power Off", "Autom. Aus"},
        // Where the row has no room for words, the step itself.
        {"German", "EGeneralPage", "1 decimal", "0,1"},
        {"Netherlands", "EGeneralPage", "2 decimals", "0,01"},
        {"Chinese", "EGeneralPage", "2 decimals", "两位小数"},
        {"French", "EImagePip", "VIS_MIX_IR", "Fusion VIS/IR"},
        {"Italian", "EImagePip", "IR_PIPE_VIS", "PiP IR/VIS"},
        {"Spanish", "EDialogTitle", "Cancel", "Cancelar"},
        {"Spanish", "PhotoMessageBox", "Cancel", "Cancelar"},
        {"Swedish", "ZDateTimePage", "24-hour", "24-timmars"},
        {"Swedish", "ZSetTime", "12-Hour", "12-timmars"},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s %s", row.key, row.context, row.source)
            << QString::fromUtf8(row.key) << QString::fromUtf8(row.context) << QString::fromUtf8(row.source)
            << QString::fromUtf8(row.shown);
}

void TestCatalogues::reviewedTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, shown);
    TsCatalogue catalogue;
    QVERIFY2(catalogue.read(cataloguePath(key)), qPrintable(catalogue.error()));
    const auto found = std::find_if(catalogue.messages().cbegin(), catalogue.messages().cend(),
                                    [&](const TsMessage &message) {
                                        return message.context == context && message.source == source;
                                    });
    QVERIFY2(found != catalogue.messages().cend(), qPrintable(context + QStringLiteral(": ") + source));
    QCOMPARE(found->translations, QStringList{shown});
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
