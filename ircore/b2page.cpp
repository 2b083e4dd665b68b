#include "b2page.h"

#include "ircorelibrary.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

B2Page::B2Page(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(5);
    layout->addStretch();
    const struct
    {
        const char *name;
        void (B2Page::*handler)();
    } buttons[] = {{"Clear", &B2Page::clearHandler},     {"Capture", &B2Page::captureHandler},
                   {"Process", &B2Page::processHandler}, {"Filter", &B2Page::filterHandler},
                   {"Save", &B2Page::saveHandler},       {"Set", &B2Page::setHandler}};
    for (const auto &entry : buttons) {
        auto *button = new QPushButton(QLatin1String(entry.name), this);
        button->setObjectName(QLatin1String(entry.name));
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, entry.handler);
    }
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("Result"));
    m_result->setAlignment(Qt::AlignCenter);
    m_result->setStyleSheet(QStringLiteral("color: white;"));
    layout->addWidget(m_result);
    layout->addStretch();
}

QPushButton *B2Page::button(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void B2Page::run(const QString &name, int (IRCoreLibrary::*command)())
{
    QPushButton *b = button(name);
    b->setEnabled(false);
    const int result = (IRCoreLibrary::instance()->*command)();
    b->setEnabled(true);
    m_result->setText(result == 0 ? QString() : name + QStringLiteral(" failed!"));
}

void B2Page::clearHandler() { run(QStringLiteral("Clear"), &IRCoreLibrary::ClearFishBuffer); }
void B2Page::captureHandler() { run(QStringLiteral("Capture"), &IRCoreLibrary::CaptureFishBuffer); }
void B2Page::processHandler() { run(QStringLiteral("Process"), &IRCoreLibrary::SubFishBuffer); }
void B2Page::filterHandler() { run(QStringLiteral("Filter"), &IRCoreLibrary::FilterFishBuffer); }
void B2Page::saveHandler() { run(QStringLiteral("Save"), &IRCoreLibrary::SaveFishBuffer); }
void B2Page::setHandler() { run(QStringLiteral("Set"), &IRCoreLibrary::SetFishBuffer); }
