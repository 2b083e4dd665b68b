#pragma once

#include "../libtherma/frontfixture.h"

#include "eglobal.h"
#include "espinboxitem.h"

#include <QPushButton>
#include <QSettings>

#include <algorithm>

// A front over the simulated board registered in EGlobal, in a fresh root
// whose settings file the test writes first. Units are put back after.
struct DialogFixture
{
    explicit DialogFixture(const QByteArray &settings = QByteArray(), bool withCore = false)
        : front(withCore)
    {
        if (!settings.isEmpty())
            front.settings(settings);
        fpga = &front.start();
        EGlobal::setFPGA(fpga);
    }
    ~DialogFixture()
    {
        EGlobal::setFPGA(nullptr);
        EGlobal::setSystemTempUnit(0);
        EGlobal::setSystemLenUnit(0);
        if (front.core && front.front)
            front.front->getSerial()->waitForIdle(5000);
    }

    static QVariant stored(const QString &key)
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        return settings.value(key);
    }

    FrontFixture front;
    FPGA *fpga = nullptr;
};

// The left and right arrow of a value row.
inline QPushButton *arrow(QWidget *row, bool right)
{
    QList<QPushButton *> buttons = row->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    return buttons.isEmpty() ? nullptr : right ? buttons.last() : buttons.first();
}

inline void step(QWidget *row, bool right, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(arrow(row, right), Qt::LeftButton);
}

// The title bar's button with that text, or its only button.
inline QPushButton *titleButton(QWidget *title, const QString &text = QString())
{
    const QList<QPushButton *> buttons = title->findChildren<QPushButton *>();
    for (QPushButton *b : buttons)
        if (b->text() == text || b->objectName() == text)
            return b;
    return buttons.size() == 1 ? buttons.first() : nullptr;
}
