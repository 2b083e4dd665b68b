#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Qt drops a style sheet value it cannot read (a colour written
// "rgba(r,g,b)", an unclosed brace, an unknown property) and only says so on
// the log: the widget then shows without that colour or border and no test
// notices. Once installed, every such message fails the running test.
namespace StyleSheetWarnings {

// Puts the check in front of the message handler installed now, which it
// still forwards to. Qt Test replaces the handler when it starts, so this is
// called where tests set up (TestRoot, the main window's start-up) and may be
// called again at will.
void install();

// Whether a log message says Qt dropped part of a style sheet.
bool isDroppedStyleValue(const QString &message);

// How a dropped value is reported: by default as a failure of the running
// test function. Returns the report it replaces, so a test of the check can
// record instead and put the default back.
using Report = std::function<void(const QString &message)>;
Report setReport(Report report);
Report failRunningTest();

} // namespace StyleSheetWarnings
