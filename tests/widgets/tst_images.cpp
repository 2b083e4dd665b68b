#include <QtTest>
#include <QImage>

// The drawn pictures are in the resource file under both spellings the code
// uses (":/images/x" and ":images/x").
class TstImages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The pictures live in the widget toolkit's shared library, which this
    // test would not load otherwise: it calls nothing else of it.
    void initTestCase() { Q_INIT_RESOURCE(ostrel_images); }
    void present_data()
    {
        QTest::addColumn<QString>("name");
        const char *names[] = {"setup_arrow_left.png", "setup_arrow_right.png", "adjust_up.png", "adjust_down.png",
                               "item_checked.png", "unchecked.png", "setup_cancel.png", "setup_title.png",
                               "mode.png", "setting_big_24.png", "spot_big.png", "spot_small.png",
                               "auto.png", "histogram.png", "manual.png", "min.png", "both.png", "max.png",
                               "logo.png", "setup_switch_on.png", "setup_switch_off.png", "config.bmp",
                               "setup_misc.png", "photos.bmp", "time.png", "info.png"};
        for (const char *n : names)
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void present()
    {
        QFETCH(QString, name);
        const QImage slash(QStringLiteral(":/images/") + name);
        const QImage bare(QStringLiteral(":images/") + name);
        QVERIFY2(!slash.isNull(), qPrintable(name));
        QVERIFY2(!bare.isNull(), qPrintable(name));
        QCOMPARE(slash, bare);
    }
};

QTEST_GUILESS_MAIN(TstImages)
#include "tst_images.moc"
