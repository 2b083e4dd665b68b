#include "edialogtitle.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "esdcarditem.h"
#include "esdcardspace.h"
#include "esetupcheckitem.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupswitch.h"
#include "esetuptitle.h"
#include "testroot.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <limits>

// The setup kit's rows, bars and check rows driven with real presses.
class TstSetupKit : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

    // Records presses that get through to the page behind a bar.
    class Page : public QWidget
    {
    public:
        int presses = 0;

    protected:
        void mousePressEvent(QMouseEvent *) override { ++presses; }
    };

    static bool near(QRgb pixel, const QColor &colour)
    {
        return qAbs(qRed(pixel) - colour.red()) < 12 && qAbs(qGreen(pixel) - colour.green()) < 12
            && qAbs(qBlue(pixel) - colour.blue()) < 12;
    }

    template<typename W>
    static void showRow(W &row, int width, int height)
    {
        row.resize(width, height);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
    }

private Q_SLOTS:
    // ---- storage bar ----
    void storageBarWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<float>("total");
        QTest::addColumn<float>("used");
        QTest::addColumn<int>("expected");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("no card") << 300 << 0.0f << 0.0f << -1;
        QTest::newRow("no capacity, something used") << 300 << 0.0f << 5e9f << -1;
        QTest::newRow("nothing used") << 300 << 8e9f << 0.0f << 0;
        QTest::newRow("three quarters") << 302 << 8e9f << 6e9f << 225;
        QTest::newRow("truncated, not rounded") << 300 << 3.0f << 2.0f << 198;
        QTest::newRow("full ends one pixel short") << 300 << 8e9f << 8e9f << 298;
        QTest::newRow("more used than held") << 300 << 8e9f << 9e9f << 298;
        QTest::newRow("far more used than held") << 300 << 1.0f << 1e30f << 298;
        QTest::newRow("negative used") << 300 << 8e9f << -1e9f << 0;
        QTest::newRow("negative capacity") << 300 << -8e9f << 1e9f << 0;
        QTest::newRow("used not a number") << 300 << 8e9f << nan << 0;
        QTest::newRow("capacity not a number") << 300 << nan << 1.0f << 0;
        QTest::newRow("infinite capacity") << 300 << inf << 1.0f << 0;
        QTest::newRow("bar narrower than its border") << 1 << 8e9f << 8e9f << 0;
    }
    void storageBarWidth()
    {
        QFETCH(int, width);
        QFETCH(float, total);
        QFETCH(float, used);
        QFETCH(int, expected);
        QCOMPARE(ESDCardSpace::usedWidth(width, total, used), expected);
    }

    // What is painted stays inside the bar, and nothing blue without a
    // capacity.
    void storageBarPaint_data()
    {
        QTest::addColumn<float>("total");
        QTest::addColumn<float>("used");
        QTest::addColumn<bool>("blue");
        QTest::newRow("no card") << 0.0f << 100.0f << false;
        QTest::newRow("empty") << 100.0f << 0.0f << false;
        QTest::newRow("full") << 100.0f << 100.0f << true;
        QTest::newRow("overfull") << 100.0f << 400.0f << true;
    }
    void storageBarPaint()
    {
        QFETCH(float, total);
        QFETCH(float, used);
        QFETCH(bool, blue);
        const QColor fill(76, 165, 225);
        ESDCardSpace bar;
        bar.setFixedWidth(200);
        bar.setTotalSize(total);
        bar.setUsedSize(used);
        bar.setText(QString());
        showRow(bar, 200, 24);
        const QImage image = bar.grab().toImage();
        QCOMPARE(image.size(), QSize(200, 24));
        QCOMPARE(near(image.pixel(100, 12), fill), blue);
        // The used part ends one pixel before the right edge.
        QVERIFY(!near(image.pixel(199, 12), fill));
    }

    void cardRowPassesToItsBar()
    {
        ESDCardItem row(QStringLiteral("SDCard"));
        row.setTotalSize(1000.0f);
        row.setUsedSize(750.0f);
        row.setText(QStringLiteral("750M/1000M"));
        QCOMPARE(row.space()->totalSize(), 1000.0f);
        QCOMPARE(row.space()->usedSize(), 750.0f);
        QCOMPARE(row.space()->text(), QStringLiteral("750M/1000M"));
        QCOMPARE(row.space()->height(), 24);
    }

    // ---- navigation row ----
    void itemSignalsOnPress()
    {
        ESetupItem item(QStringLiteral("General"), QStringLiteral(":images/config.bmp"));
        showRow(item, 130, 30);
        QSignalSpy named(&item, qOverload<const QString &>(&ESetupItem::clicked));
        QTest::mousePress(&item, Qt::LeftButton, {}, QPoint(40, 15));
        QCOMPARE(named.count(), 1);
        QCOMPARE(named.at(0).at(0).toString(), QStringLiteral("General"));
        // Dragged off and lifted elsewhere: already reported, nothing more.
        QTest::mouseMove(&item, QPoint(40, 200));
        QTest::mouseRelease(&item, Qt::LeftButton, {}, QPoint(40, 200));
        QCOMPARE(named.count(), 1);
        QCOMPARE(item.objectName(), QStringLiteral("General"));
        QCOMPARE(item.height(), 30);
    }

    void itemCaptionPlace_data()
    {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<int>("captionX");
        QTest::newRow("icon") << QStringLiteral(":images/config.bmp") << false << 26;
        QTest::newRow("no icon path") << QString() << false << 26;
        QTest::newRow("icon that does not exist") << QStringLiteral(":images/none.png") << false << 26;
        QTest::newRow("icon removed") << QStringLiteral(":images/config.bmp") << true << 5;
    }
    void itemCaptionPlace()
    {
        QFETCH(QString, icon);
        QFETCH(bool, removed);
        QFETCH(int, captionX);
        ESetupItem item(QStringLiteral("Info"), icon);
        if (removed)
            item.removePixmap();
        showRow(item, 130, 30);
        QLabel *caption = nullptr;
        for (QLabel *label : item.findChildren<QLabel *>())
            if (label->text() == QLatin1String("Info"))
                caption = label;
        QVERIFY(caption);
        QCOMPARE(caption->x(), captionX);
    }

    void itemHighlight()
    {
        const QColor blue(1, 103, 233);
        ESetupItem item(QStringLiteral("Photos"), QStringLiteral(":images/photos.bmp"));
        showRow(item, 130, 30);
        QVERIFY(!item.highlight());
        QVERIFY(!near(item.grab().toImage().pixel(3, 3), blue));
        item.setHighlight(true);
        QVERIFY(near(item.grab().toImage().pixel(3, 3), blue));
        QVERIFY(near(item.grab().toImage().pixel(120, 26), blue));
        item.setHighlight(false);
        QVERIFY(!near(item.grab().toImage().pixel(3, 3), blue));
    }

    // ---- value and switch rows ----
    void comboRow()
    {
        ESetupComboBox row(QStringLiteral("Model"));
        showRow(row, 189, 30);
        QCOMPARE(row.text(), QString());
        row.setText(QStringLiteral("Model A"));
        QCOMPARE(row.text(), QStringLiteral("Model A"));
        QCOMPARE(row.objectName(), QStringLiteral("Model"));
        QCOMPARE(row.height(), 30);
        QLabel *arrow = nullptr;
        for (QLabel *label : row.findChildren<QLabel *>())
            if (!label->pixmap().isNull())
                arrow = label;
        QVERIFY(arrow && arrow->isVisible());
        QCOMPARE(arrow->width(), 16);
        row.removeIcon();
        QVERIFY(!arrow->isVisible());
    }

    void switchRow()
    {
        ESetupSwitch row(QStringLiteral("Lamp"));
        showRow(row, 189, 30);
        QVERIFY(!row.isOpen());
        QCOMPARE(row.m_titleLabel->text(), QStringLiteral("Lamp"));
        const QImage off = row.grab().toImage();
        // A click is the owner's to answer: the row keeps its state.
        QTest::mouseClick(&row, Qt::LeftButton);
        QVERIFY(!row.isOpen());
        QCOMPARE(row.grab().toImage(), off);
        row.setOpen(true);
        QVERIFY(row.isOpen());
        QVERIFY(row.grab().toImage() != off);
        row.setOpen(false);
        QCOMPARE(row.grab().toImage(), off);
        row.m_titleLabel->setText(QStringLiteral("12-hour"));
        QCOMPARE(row.m_titleLabel->text(), QStringLiteral("12-hour"));
    }

    // ---- title bars ----
    void setupTitleTakesPresses()
    {
        Page page;
        page.resize(189, 100);
        auto *bar = new ESetupTitle(&page);
        bar->setGeometry(0, 0, 189, 24);
        bar->setText(QStringLiteral("General"));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(90, 12));
        QCOMPARE(page.presses, 0);
        QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(90, 60));
        QCOMPARE(page.presses, 1);
        auto *cancel = bar->findChild<QPushButton *>(QStringLiteral("Cancel"));
        QVERIFY(cancel && !cancel->isVisible());
        QCOMPARE(cancel->width(), 48);
        QLabel *caption = bar->findChild<QLabel *>(QStringLiteral("Title"));
        QVERIFY(qAbs(caption->geometry().center().x() - 94) <= 1);
    }

    // Cancel and Done clear the flag before the dialog hears of it, also
    // when nobody listens; without a live view they only signal.
    void dialogTitleClearsTheFlag_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("withView");
        QTest::addColumn<bool>("listening");
        QTest::newRow("Cancel") << QStringLiteral("Cancel") << true << true;
        QTest::newRow("Done") << QStringLiteral("Done") << true << true;
        QTest::newRow("Cancel, nobody listens") << QStringLiteral("Cancel") << true << false;
        QTest::newRow("Done, nobody listens") << QStringLiteral("Done") << true << false;
        QTest::newRow("Cancel, no live view") << QStringLiteral("Cancel") << false << true;
        QTest::newRow("Done, no live view") << QStringLiteral("Done") << false << true;
    }
    void dialogTitleClearsTheFlag()
    {
        QFETCH(QString, button);
        QFETCH(bool, withView);
        QFETCH(bool, listening);
        std::unique_ptr<EGraphicsView> view;
        if (withView) {
            view = std::make_unique<EGraphicsView>();
            view->setSetupVisibled(true);
        }
        QCOMPARE(EGlobal::getGraphicsView(), view.get());
        EDialogTitle bar;
        bar.setText(QStringLiteral("Screen Off"));
        showRow(bar, 260, 30);
        int heard = 0;
        bool flagWhenHeard = true;
        if (listening) {
            const auto listener = [&] {
                ++heard;
                flagWhenHeard = view && view->isSetupVisibled();
            };
            connect(&bar, &EDialogTitle::cancel, &bar, [&, listener] { if (button == QLatin1String("Cancel")) listener(); });
            connect(&bar, &EDialogTitle::done, &bar, [&, listener] { if (button == QLatin1String("Done")) listener(); });
        }
        QSignalSpy cancel(&bar, &EDialogTitle::cancel);
        QSignalSpy done(&bar, &EDialogTitle::done);
        auto *pushed = bar.findChild<QPushButton *>(button);
        QVERIFY(pushed);
        QTest::mouseClick(pushed, Qt::LeftButton);
        QCOMPARE(cancel.count(), button == QLatin1String("Cancel") ? 1 : 0);
        QCOMPARE(done.count(), button == QLatin1String("Done") ? 1 : 0);
        if (view)
            QVERIFY(!view->isSetupVisibled());
        if (listening) {
            QCOMPARE(heard, 1);
            QVERIFY(!flagWhenHeard);
        }
    }

    // ---- check rows ----
    // p press, m move, r release inside, o release outside the row, h the
    // row hidden under the finger and shown again (its release is lost).
    void checkRowTouches_data()
    {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<int>("reports");
        QTest::newRow("tap") << "pr" << 1;
        QTest::newRow("two taps") << "prpr" << 2;
        QTest::newRow("moved") << "pmr" << 0;
        QTest::newRow("moved a lot") << "pmmmr" << 0;
        QTest::newRow("moved, then a tap") << "pmrpr" << 1;
        QTest::newRow("lifted outside without a move") << "po" << 1;
        QTest::newRow("lost release after a move, then a tap") << "pmhpr" << 1;
    }
    void checkRowTouches()
    {
        QFETCH(QString, touches);
        QFETCH(int, reports);
        ESetupCheckItem row(QStringLiteral("1 minute"));
        row.setItemIndex(3);
        showRow(row, 260, 30);
        QSignalSpy chosen(&row, qOverload<int>(&ESetupCheckItem::clicked));
        int x = 60;
        for (const QChar step : touches) {
            switch (step.toLatin1()) {
            case 'p': x = 60; QTest::mousePress(&row, Qt::LeftButton, {}, QPoint(x, 15)); break;
            case 'm': x += 7; QTest::mouseMove(&row, QPoint(x, 15)); break;
            case 'r': QTest::mouseRelease(&row, Qt::LeftButton, {}, QPoint(x, 15)); break;
            case 'o': QTest::mouseRelease(&row, Qt::LeftButton, {}, QPoint(x, 300)); break;
            case 'h':
                row.hide();
                row.show();
                QVERIFY(QTest::qWaitForWindowExposed(&row));
                break;
            }
        }
        QCOMPARE(chosen.count(), reports);
        for (const QList<QVariant> &report : chosen)
            QCOMPARE(report.at(0).toInt(), 3);
    }

    void checkRowWithoutIndexReportsMinusOne()
    {
        ESetupCheckItem row(QStringLiteral("Off"));
        showRow(row, 260, 30);
        QSignalSpy chosen(&row, qOverload<int>(&ESetupCheckItem::clicked));
        QTest::mouseClick(&row, Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toInt(), -1);
        QVERIFY(!row.checked());
    }

    // The mark's left edge sits 30 pixels from the right edge.
    void checkMarkPlace_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("160") << 160;
        QTest::newRow("260") << 260;
        QTest::newRow("320") << 320;
    }
    void checkMarkPlace()
    {
        QFETCH(int, width);
        ESetupCheckItem row(QStringLiteral("30 seconds"));
        showRow(row, width, 30);
        const QImage plain = row.grab().toImage();
        row.setChecked(true);
        QVERIFY(row.checked());
        const QImage marked = row.grab().toImage();
        int left = width, right = -1, top = 30, bottom = -1;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < width; ++x)
                if (plain.pixel(x, y) != marked.pixel(x, y)) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
        QVERIFY2(left >= width - 30 && left <= width - 28, qPrintable(QString::number(left)));
        QVERIFY(right < width - 14);
        QVERIFY(top >= 7 && bottom <= 22);
    }

    // Stacked rows: the first has a top border, the others share the
    // divider above them; a row that is first and last has no top border.
    void checkRowBorders_data()
    {
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("last");
        QTest::addColumn<bool>("topBorder");
        QTest::newRow("first") << true << false << true;
        QTest::newRow("middle") << false << false << false;
        QTest::newRow("last") << false << true << false;
        QTest::newRow("first and last") << true << true << false;
    }
    void checkRowBorders()
    {
        QFETCH(bool, first);
        QFETCH(bool, last);
        QFETCH(bool, topBorder);
        ESetupCheckItem row(QStringLiteral("Off"));
        if (first)
            row.setFirstItem();
        if (last)
            row.setLastItem();
        showRow(row, 200, 30);
        const QImage image = row.grab().toImage();
        const QColor border(0x8f, 0x8f, 0x91);
        QCOMPARE(near(image.pixel(100, 0), border), topBorder);
        QVERIFY(near(image.pixel(100, 29), border));
        QVERIFY(near(image.pixel(10, 15), border));
        QVERIFY(near(image.pixel(189, 15), border));
        QCOMPARE(image.pixel(100, 15), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TstSetupKit)
#include "tst_setupkit.moc"
