#include "eadjustitem.h"
#include "eadjustlevelitem.h"
#include "eadjusttempitem.h"
#include "eadjusttextitem.h"
#include "echeckbox.h"
#include "echeckitem.h"
#include "edialogtitle.h"
#include "esdcarditem.h"
#include "esetupcheckitem.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupswitch.h"
#include "esetuptitle.h"
#include "ecomboboxitem.h"
#include "egraphicslogoitem.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicstextitem.h"
#include "einttimeitem.h"
#include "elabel.h"
#include "elinemodeitem.h"
#include "emodeitem.h"
#include "epushbutton.h"
#include "ereminditem.h"
#include "espinboxitem.h"
#include "estyle.h"
#include "etabitem.h"
#include "etabwidget.h"
#include "etitle.h"
#include "evalueitem.h"
#include "fontfamilies.h"
#include "testroot.h"

#include <QtTest>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QVBoxLayout>

// Renders every row of the toolkit at the device's 320 pixel width. With
// OSTREL_SCREENS_DIR set, one PNG per widget is written there to be looked at.
class TstGallery : public QObject
{
    Q_OBJECT
private:
    // A dialog-like page of the device's width holding the given rows.
    QWidget *page(int height)
    {
        auto *w = new QWidget;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setFixedSize(320, height);
        w->setAutoFillBackground(true);
        QPalette p = w->palette();
        p.setColor(QPalette::Window, QColor(24, 34, 52));
        p.setColor(QPalette::WindowText, Qt::white);
        p.setColor(QPalette::ButtonText, Qt::white);
        w->setPalette(p);
        auto *layout = new QVBoxLayout(w);
        layout->setContentsMargins(0, 4, 0, 4);
        layout->setSpacing(2);
        return w;
    }

    // The setup screens keep the application's own light palette.
    QWidget *setupPage(int height)
    {
        QWidget *w = page(height);
        w->setPalette(QApplication::palette());
        return w;
    }

    void shoot(QWidget *w, const QString &name)
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QImage image = w->grab().toImage();
        QVERIFY(!image.isNull());
        // Something besides the background colour was drawn.
        const QRgb background = image.pixel(0, 0);
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; y += 2)
            for (int x = 0; x < image.width() && !drawn; x += 2)
                drawn = image.pixel(x, y) != background;
        QVERIFY2(drawn, qPrintable(name));
        const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
        if (!dir.isEmpty())
            QVERIFY(image.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
        delete w;
    }

    TestRoot m_root;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        FontFamilies::install();
        QFont font(QStringLiteral("unifont"));
        font.setPixelSize(16);
        QApplication::setFont(font);
    }

    void buttons()
    {
        QWidget *w = page(150);
        auto *caption = new ELabel(QStringLiteral("Emissivity"), w);
        auto *push = new EPushButton(QStringLiteral("Palette"), w, true);
        push->setFixedSize(120, 30);
        QPalette dark = push->palette();
        dark.setColor(QPalette::Button, QColor(40, 60, 90));
        push->setPalette(dark);
        auto *check = new ECheckBox(QStringLiteral("Show maximum"), w);
        check->setHighlight(true);
        check->setChecked(true);
        w->layout()->addWidget(caption);
        w->layout()->addWidget(push);
        w->layout()->addWidget(check);
        shoot(w, QStringLiteral("buttons"));
    }

    void valueAndModeItems()
    {
        QWidget *w = page(108);
        auto *value = new EValueItem(QStringLiteral("Per: "), w);
        value->setRange(0, 100);
        value->setSuffix(QStringLiteral("%"));
        value->setValue(35);
        auto *mode = new EModeItem(QStringLiteral("Mode: IR"), w);
        w->layout()->addWidget(value);
        w->layout()->addWidget(mode);
        shoot(w, QStringLiteral("evalueitem_emodeitem"));
    }

    void adjustItems()
    {
        QWidget *w = page(150);
        auto *temp = new EAdjustTempItem(QStringLiteral("Level"), w);
        auto *line = new ELineModeItem(QStringLiteral("Line"), w);
        line->setRange(0, 999);
        line->setValue(120);
        auto *pair = new EAdjustItem(w);
        w->layout()->addWidget(temp);
        w->layout()->addWidget(line);
        w->layout()->addWidget(pair);
        shoot(w, QStringLiteral("eadjusttempitem_elinemodeitem_eadjustitem"));
    }

    void intTimeItem()
    {
        QWidget *w = page(80);
        auto *offset = new EIntTimeItem(w, true);
        offset->setRange(-240, 240);
        offset->setValue(-12);
        auto *mode = new EIntTimeItem(w, false);
        mode->setFixedWidth(100);
        mode->setRange(0, 3);
        mode->setValue(2);
        w->layout()->addWidget(offset);
        w->layout()->addWidget(mode);
        shoot(w, QStringLiteral("einttimeitem"));
    }

    void adjustLevelItem()
    {
        auto *strip = new EAdjustLevelItem(QStringLiteral("Auto"));
        strip->setFixedWidth(262);
        strip->changeMode(2);
        strip->slot_clicked_bothItem();
        shoot(strip, QStringLiteral("eadjustlevelitem"));
    }

    void spinBoxItem()
    {
        QWidget *w = page(108);
        auto *emiss = new ESpinBoxItem(w, 48);
        emiss->setObjectName(QStringLiteral("Emiss"));
        emiss->setDecimals(2);
        emiss->setRange(0.01f, 1.0f);
        emiss->setValue(0.95f, false);
        emiss->setSingleStep(0.01, false);
        emiss->setAlignment(Qt::AlignCenter);
        auto *distance = new ESpinBoxItem(w, 48);
        distance->setObjectName(QStringLiteral("Distan"));
        distance->setDecimals(1);
        distance->setSuffix(QStringLiteral(" m"));
        distance->setRange(0.0f, 100.0f);
        distance->setValue(2.5f, false);
        distance->setSingleStep(0.1, false);
        distance->setAlignment(Qt::AlignCenter);
        w->layout()->addWidget(emiss);
        w->layout()->addWidget(distance);
        shoot(w, QStringLiteral("espinboxitem"));
    }

    void comboBoxItem()
    {
        QWidget *w = page(108);
        QStringList alarm{QStringLiteral("Off"), QStringLiteral("Above"), QStringLiteral("Below")};
        auto *combo = new EComboBoxItem(alarm, w);
        combo->setCurrentIndex(1);
        QStringList colours{QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")};
        auto *focused = new EComboBoxItem(colours, w);
        focused->setCurrentIndex(2);
        w->layout()->addWidget(combo);
        w->layout()->addWidget(focused);
        shoot(w, QStringLiteral("ecomboboxitem"));
    }

    void checkRemindTabRows()
    {
        QWidget *w = page(240);
        auto *checked = new ECheckItem(QStringLiteral("Spot 1"), w, 0);
        checked->setChecked(true);
        auto *unchecked = new ECheckItem(QStringLiteral("Spot 2"), w, 1);
        auto *remind = new ERemindItem(QStringLiteral("Palette"), w);
        auto *tab = new ETabItem(QStringLiteral("Area 1"), w);
        tab->setChecked(true);
        auto *bar = new QWidget(w);
        auto *barLayout = new QHBoxLayout(bar);
        barLayout->setContentsMargins(4, 0, 0, 0);
        for (int i = 0; i < 4; ++i) {
            auto *t = new ETabWidget(bar);
            t->setObjectName(QStringLiteral("Spot%1").arg(i));
            t->setSmallPixmap(QPixmap(QStringLiteral(":/images/spot_small.png")));
            t->setBigPixmap(QPixmap(QStringLiteral(":/images/spot_big.png")));
            t->setOpen(i == 0);
            barLayout->addWidget(t);
        }
        barLayout->addStretch();
        w->layout()->addWidget(bar);
        w->layout()->addWidget(checked);
        w->layout()->addWidget(unchecked);
        w->layout()->addWidget(remind);
        w->layout()->addWidget(tab);
        shoot(w, QStringLiteral("echeckitem_ereminditem_etabitem_etabwidget"));
    }

    void title()
    {
        QWidget *w = page(40);
        w->layout()->setContentsMargins(0, 0, 0, 0);
        auto *bar = new ETitle(w);
        bar->setFixedHeight(32);
        bar->setText(QStringLiteral("Spot 1 Mode"));
        w->layout()->addWidget(bar);
        shoot(w, QStringLiteral("etitle"));
    }

    void styledSpinBox()
    {
        QWidget *w = page(48);
        EStyle style;
        auto *spin = new QSpinBox(w);
        spin->setStyle(&style);
        spin->setFixedHeight(36);
        spin->setRange(0, 100);
        spin->setValue(42);
        spin->setAlignment(Qt::AlignCenter);
        w->layout()->addWidget(spin);
        shoot(w, QStringLiteral("estyle_spinbox"));
    }

    void setupRows()
    {
        QWidget *w = setupPage(240);
        auto *general = new ESetupItem(QStringLiteral("General"), QStringLiteral(":images/config.bmp"), w);
        auto *control = new ESetupItem(QStringLiteral("Control"), QStringLiteral(":images/setup_misc.png"), w);
        control->setHighlight(true);
        auto *bare = new ESetupItem(QStringLiteral("No icon"), QString(), w);
        bare->removePixmap();
        auto *output = new ESetupComboBox(QStringLiteral("Output"), w);
        output->setText(QStringLiteral("PAL"));
        auto *model = new ESetupComboBox(QStringLiteral("Model"), w);
        model->setText(QStringLiteral("Model A"));
        model->removeIcon();
        auto *lampOff = new ESetupSwitch(QStringLiteral("Lamp"), w);
        auto *repeatOn = new ESetupSwitch(QStringLiteral("Repeat"), w);
        repeatOn->setOpen(true);
        for (QWidget *row : std::initializer_list<QWidget *>{general, control, bare, output, model, lampOff, repeatOn})
            w->layout()->addWidget(row);
        shoot(w, QStringLiteral("setup_rows"));
    }

    void setupCardBars()
    {
        QWidget *w = setupPage(216);
        const struct {
            float used;
            const char *text;
        } cards[] = {{0.0f, "0M/7580M"}, {5685.0f, "5685M/7580M"}, {7580.0f, "7580M/7580M"}};
        for (const auto &card : cards) {
            auto *row = new ESDCardItem(QStringLiteral("SDCard"), w);
            row->setFixedHeight(64);
            row->setTotalSize(7580.0f);
            row->setUsedSize(card.used);
            row->setText(QLatin1String(card.text));
            w->layout()->addWidget(row);
        }
        shoot(w, QStringLiteral("setup_sdcard_0_75_100"));
    }

    void setupTitles()
    {
        QWidget *w = setupPage(70);
        auto *pageTitle = new ESetupTitle(w);
        pageTitle->setFixedHeight(24);
        pageTitle->setText(QStringLiteral("Settings"));
        auto *dialogTitle = new EDialogTitle(w);
        dialogTitle->setFixedHeight(30);
        dialogTitle->setText(QStringLiteral("Screen Off"));
        w->layout()->addWidget(pageTitle);
        w->layout()->addWidget(dialogTitle);
        shoot(w, QStringLiteral("setup_titles"));
    }

    void setupCheckRows()
    {
        QWidget *w = setupPage(112);
        w->layout()->setSpacing(0);
        const char *choices[] = {"Off", "30 seconds", "1 minute", "5 minutes"};
        for (int i = 0; i < 4; ++i) {
            auto *row = new ESetupCheckItem(QLatin1String(choices[i]), w);
            row->setItemIndex(i);
            if (i == 0)
                row->setFirstItem();
            if (i == 3)
                row->setLastItem();
            row->setChecked(i == 2);
            w->layout()->addWidget(row);
        }
        static_cast<QVBoxLayout *>(w->layout())->addStretch();
        shoot(w, QStringLiteral("setup_checkrows"));
    }

    void overlayTexts()
    {
        QGraphicsScene scene(0, 0, 320, 240);
        QLinearGradient heat(0, 0, 320, 240);
        heat.setColorAt(0, QColor(30, 10, 90));
        heat.setColorAt(0.5, QColor(200, 40, 110));
        heat.setColorAt(1, QColor(255, 210, 60));
        scene.setBackgroundBrush(heat);

        auto *readout = new EGraphicsTextItem(&scene);
        readout->setPlainText(QStringLiteral("S1 36.5\nS2 41.2\nA1 max 58.0"));
        readout->setHighlightText(QStringLiteral("S2"));
        readout->setPos(6, 30);
        scene.addItem(readout);
        auto *max = new EGraphicsMaxItem(&scene);
        max->setPlainText(QStringLiteral("100.0"));
        max->setPos(262, 4);
        scene.addItem(max);
        auto *min = new EGraphicsMinItem(&scene);
        min->setPlainText(QStringLiteral("25.0"));
        min->setPos(270, 214);
        scene.addItem(min);
        auto *mode = new EGraphicsModeItem(&scene);
        mode->setPlainText(QStringLiteral("Auto"));
        mode->setBackgroundBrush(QColor(0, 0, 255, 10));
        mode->setPos(270, 110);
        scene.addItem(mode);
        auto *adjust = new EAdjustTextItem(&scene);
        adjust->setPlainText(QStringLiteral("Level 62.5"));
        adjust->setPos(100, 170);
        auto *logo = new EGraphicsLogoItem(QPixmap(QStringLiteral(":images/logo.png")));
        logo->setPos(4, 4);
        scene.addItem(logo);

        auto *view = new QGraphicsView(&scene);
        view->setFixedSize(320, 240);
        view->setFrameShape(QFrame::NoFrame);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        shoot(view, QStringLiteral("overlay_text_items"));
    }
};

QTEST_MAIN(TstGallery)
#include "tst_gallery.moc"
