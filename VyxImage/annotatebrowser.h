#pragma once

#include <QTextBrowser>

// The read-only panel that shows a photo's text note; Escape hides it.
class annotateBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit annotateBrowser(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
