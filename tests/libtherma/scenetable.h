#pragma once

#include "testroot.h"

#include <QFile>
#include <QtTest>

// The simulated scene's reference rows, data/scene_ad.txt: range, internal
// temperature, object temperature and the board AD it reads as. Adds the
// columns "range", "internal", "object", "ad" and one row per line.
inline void addSceneTableRows()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<float>("internal");
    QTest::addColumn<float>("object");
    QTest::addColumn<int>("ad");
    QFile file(TestRoot::testData(QStringLiteral("data/scene_ad.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().simplified().split(' ');
        if (f.size() != 4 || f[0].startsWith('#'))
            continue;
        QTest::addRow("range %s at %s: %s degC", f[0].constData(), f[1].constData(), f[2].constData())
            << f[0].toInt() << f[1].toFloat() << f[2].toFloat() << f[3].toInt();
    }
}
