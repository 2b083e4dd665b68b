#include "faultlist.h"
#include "fontfamilies.h"
#include "languagetable.h"
#include "tscatalogue.h"

#include <QFont>
#include <QMap>
#include <QRawFont>
#include <QtTest>

// Each language's texts in the font the start-up chooses for it: the font
// is installed (no other family drawn in its place) and has a glyph for
// every character of the catalogue's translations and of the language
// list, which every language shows whole. A missing glyph is a box on the
// panel.
class TestCatalogueFonts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyCharacterHasAGlyph_data();
    void everyCharacterHasAGlyph();
};

void TestCatalogueFonts::initTestCase()
{
    FontFamilies::install();
}

void TestCatalogueFonts::everyCharacterHasAGlyph_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("font");
    QTest::newRow("English") << "English" << "wenquanyi";
    QTest::newRow("Chinese") << "Chinese" << "wenquanyi";
    QTest::newRow("ChineseF") << "ChineseF" << "unifont";
    QTest::newRow("German") << "German" << "unifont";
    QTest::newRow("French") << "French" << "unifont";
    QTest::newRow("Netherlands") << "Netherlands" << "unifont";
    QTest::newRow("Swedish") << "Swedish" << "unifont";
    QTest::newRow("Italian") << "Italian" << "unifont";
    QTest::newRow("Spanish") << "Spanish" << "unifont";
}

void TestCatalogueFonts::everyCharacterHasAGlyph()
{
    QFETCH(QString, key);
    QFETCH(QString, font);
    QCOMPARE(LanguageTable::fontFamily(key), font);

    // As the start-up sets the application's font; the font itself, not
    // the fallbacks a desktop may have: the camera has only its two fonts.
    const QFont face(font, 16, QFont::Normal);
    const QRawFont raw = QRawFont::fromFont(face);
    const QString drawn = raw.familyName();
    QVERIFY2(raw.isValid()
                 && (drawn.compare(font, Qt::CaseInsensitive) == 0
                     || QFont::substitutes(font).contains(drawn, Qt::CaseInsensitive)),
             qPrintable(QStringLiteral("\"%1\" is not installed: \"%2\" is drawn instead").arg(font, drawn)));

    const QString name = QStringLiteral("ostrel_") + key + QStringLiteral(".ts");
    TsCatalogue catalogue;
    QVERIFY2(catalogue.read(qEnvironmentVariable("OSTREL_SOURCE_DIR") + QStringLiteral("/resources/translations/")
                            + name),
             qPrintable(catalogue.error()));
    // Text shown, with where it comes from.
    QList<QPair<QString, QString>> shown;
    for (const TsMessage &message : catalogue.messages()) {
        // lrelease leaves out only what lupdate retired.
        if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete"))
            continue;
        for (const QString &translation : message.translations)
            shown.append({translation, message.name()});
    }
    for (int i = 0; i < LanguageTable::Count; ++i)
        shown.append({LanguageTable::name(i), QStringLiteral("the language list")});

    // Each missing character once, with the first text that needs it.
    QMap<char32_t, QString> missing;
    for (const auto &[text, origin] : shown) {
        for (const char32_t c : text.toUcs4()) {
            if (QChar::isPrint(c) && !missing.contains(c) && !raw.supportsCharacter(c))
                missing.insert(c, origin + QStringLiteral(" -> \"") + text + QLatin1Char('"'));
        }
    }
    QStringList lines;
    for (auto it = missing.cbegin(); it != missing.cend(); ++it)
        lines << QStringLiteral("U+%1 '%2' in %3")
                     .arg(uint(it.key()), 4, 16, QLatin1Char('0'))
                     .arg(QString::fromUcs4(&it.key(), 1), it.value());
    QVERIFY2(lines.isEmpty(), qPrintable(faultList(QStringLiteral("%1 in \"%2\" (%3)").arg(name, font, drawn),
                                                   QStringLiteral("characters without a glyph"), lines)));
}

QTEST_MAIN(TestCatalogueFonts)
#include "tst_cataloguefonts.moc"
