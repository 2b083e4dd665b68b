#include "stylesheetwarnings.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace StyleSheetWarnings {
namespace {

// Read by whichever thread logs; set on the GUI thread.
std::atomic<QtMessageHandler> previousHandler{nullptr};
Report currentReport;
// Once Qt Test stops logging it puts back the handler it found, which may be
// this one again: forwarding would then come round in a circle.
thread_local bool forwarding = false;

// Many fixtures turn the default category's warnings off to quiet the
// product's chatter, and the style sheet parser warns in that category: the
// category stays on for it, and other warnings are dropped here instead.
QLoggingCategory::CategoryFilter previousFilter = nullptr;
std::atomic<bool> defaultWarningsWanted{true};

bool isDefaultCategory(const char *name)
{
    return name && std::strcmp(name, "default") == 0;
}

void filter(QLoggingCategory *category)
{
    if (previousFilter)
        previousFilter(category);
    if (!isDefaultCategory(category->categoryName()))
        return;
    defaultWarningsWanted = category->isWarningEnabled();
    category->setEnabled(QtWarningMsg, true);
}

void forward(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QtMessageHandler previous = previousHandler;
    if (forwarding || !previous) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        return;
    }
    forwarding = true;
    previous(type, context, message);
    forwarding = false;
}

void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool dropped = (type == QtWarningMsg || type == QtCriticalMsg) && isDroppedStyleValue(message);
    if (!dropped && type == QtWarningMsg && !defaultWarningsWanted && isDefaultCategory(context.category))
        return;
    // The message itself goes to the log first, beside the failure it causes.
    forward(type, context, message);
    if (!dropped)
        return;
    // Style sheets are read on the GUI thread, the only one a test result
    // may be recorded from.
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return;
    (currentReport ? currentReport : failRunningTest())(message);
}

} // namespace

void install()
{
    const QtMessageHandler replaced = qInstallMessageHandler(handler);
    if (replaced != handler)
        previousHandler = replaced;
    // Nothing else replaces the category filter: it goes in once.
    static const bool filterInstalled = [] {
        previousFilter = QLoggingCategory::installFilter(filter);
        return true;
    }();
    Q_UNUSED(filterInstalled);
}

bool isDroppedStyleValue(const QString &message)
{
    // The style sheet parser's own complaints ("QCssParser::parseColorValue:
    // Specified color with alpha value but no alpha given"), a sheet it could
    // not read at all, a property it does not know, and a "qproperty-" the
    // widget does not have.
    static const QRegularExpression dropped(QStringLiteral(
        "^QCssParser::"
        "|^Could not parse (application )?stylesheet"
        "|^Unknown property "
        "| does not have a property named "
        "| cannot design property named "));
    return dropped.match(message).hasMatch();
}

Report setReport(Report report)
{
    Report replaced = currentReport ? currentReport : failRunningTest();
    currentReport = std::move(report);
    return replaced;
}

Report failRunningTest()
{
    return [](const QString &message) {
        // Between test functions there is nothing to fail; the log shows it.
        if (!QTest::currentTestFunction())
            return;
        const QByteArray text = "Qt dropped a style sheet value: " + message.toUtf8();
        QTest::qFail(text.constData(), __FILE__, __LINE__);
    };
}

} // namespace StyleSheetWarnings
