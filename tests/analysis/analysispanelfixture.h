#pragma once

#include "../core/boardview.h"

#include "eanalysistab.h"
#include "ependingsettings.h"
#include "echeckitem.h"
#include "etabitem.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

// The analysis panel over the live view on the simulated board, popped up
// the way the main menu does it, in a fresh root whose settings file the
// test writes first.
struct PanelFixture
{
    explicit PanelFixture(const QByteArray &settings = QByteArray())
        : board(settings)
    {
        panel.popUp();
    }
    ~PanelFixture()
    {
        EPendingSettings::instance()->flush();
        // The dialogs live on between tests; none may stay up over the next.
        for (QWidget *window : QApplication::topLevelWidgets())
            window->hide();
        EGlobal::setSystemTempUnit(0);
        EGlobal::setSystemLenUnit(0);
    }

    EGraphicsView &view() { return *board.view; }
    static QVariant stored(const QString &key)
    {
        EPendingSettings::instance()->flush();
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        return settings.value(key);
    }
    // The window of type T that is up now, or null.
    template <class T> static T *shown()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<T *>(window); found && found->isVisible())
                return found;
        }
        return nullptr;
    }
    static QPushButton *button(QWidget *parent, const char *name)
    {
        return parent->findChild<QPushButton *>(QLatin1String(name));
    }
    // The check, "Mode" or "Setting" cell of a panel row.
    static void clickCell(ETabItem *row, const char *cell)
    {
        QWidget *target = qstrcmp(cell, "Check") == 0 ? static_cast<QWidget *>(row->checkItem()) : button(row, cell);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
    }

    BoardView board;
    EAnalysisTab panel;
};
