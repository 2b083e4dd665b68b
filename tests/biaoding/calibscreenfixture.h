#pragma once

#include "../libtherma/frontfixture.h"
#include "calibtable.h"
#include "eglobal.h"
#include "myitemedit.h"
#include "mykeyboard.h"

#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

// The calibration screens' world: the simulated board behind the one FPGA
// (lens 0 fitted), in a fresh root holding the default tables.
struct CalibScreenFixture
{
    CalibScreenFixture() { EGlobal::setFPGA(&front.start()); }
    ~CalibScreenFixture() { EGlobal::setFPGA(nullptr); }

    void noLens()
    {
        front.board->setLensCode(7);
        front.board->setLensFlag(false);
    }

    // A table file: "t=ad" rows under [Temp2AD], para lines under [ParaSet].
    bool table(const QString &path, const QStringList &rows, const QByteArray &para = "BaseTemp=30\n")
    {
        QByteArray text = "[ParaSet]\n" + para + "[Temp2AD]\n";
        for (const QString &row : rows)
            text += row.toLatin1() + '\n';
        return front.root.writeFile(path, text);
    }
    static QStringList rowsOf(const QString &path)
    {
        CalibTable t;
        t.load(path);
        QStringList out;
        for (const CalibTable::Row &row : t.rows())
            out << row.temp + QLatin1Char('=') + row.ad;
        return out;
    }

    // Types text on the keypad by touching its keys, then OK. Letters and
    // digits have keys (upper case); anything else goes into the pad's line.
    static void type(MyKeyboard *pad, const QString &text)
    {
        QVERIFY(pad->isVisible());
        // The line starts with the field's value: rubbed out first.
        for (int i = 0; i < 16 && !pad->textEdit->toPlainText().isEmpty(); ++i)
            QTest::mouseClick(pad->key(QStringLiteral("btnBack")), Qt::LeftButton);
        for (const QChar c : text) {
            QString name = QStringLiteral("btn") + c.toUpper();
            if (c == QLatin1Char('-'))
                name = QStringLiteral("btnLine");
            QToolButton *key = pad->key(name);
            if (key && key->text() == QString(c)) {
                QTest::mouseClick(key, Qt::LeftButton);
            } else {
                pad->textEdit->moveCursor(QTextCursor::End);
                pad->textEdit->insertPlainText(c);
            }
        }
        QTest::mouseClick(pad->btnOk, Qt::LeftButton);
    }

    FrontFixture front{false};
};
