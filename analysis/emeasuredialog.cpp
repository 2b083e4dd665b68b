#include "emeasuredialog.h"

#include "epanelreturn.h"
#include "etitle.h"

#include "elabel.h"

#include <QGridLayout>
#include <QKeyEvent>

EMeasureDialog::EMeasureDialog(QWidget *parent, Qt::WindowFlags, const QSize &size)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setWindowModality(Qt::WindowModal);
    setFixedSize(size);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(0);
    // Its almost transparent background lets the live picture through.
    setAttribute(Qt::WA_TranslucentBackground);
}

void EMeasureDialog::addRow(int row, const QString &caption, QWidget *item, Qt::Alignment alignment)
{
    m_grid->addWidget(new ELabel(caption, this), row, 0);
    m_grid->addWidget(item, row, 1, alignment);
}

ETitle *EMeasureDialog::makeTitle(const QString &text)
{
    auto *title = new ETitle(this);
    title->setText(text);
    title->setFixedHeight(32);
    title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(title, &ETitle::cancel, this, &EMeasureDialog::okClicked);
    m_grid->addWidget(title, 0, 0, 1, 2);
    return title;
}

void EMeasureDialog::setMeasureSheet(const QString &extra)
{
    setStyleSheet(QStringLiteral(
                      "QWidget{background-color: rgba(0,0,0,5);}"
                      "QLabel{color: white; background-color: transparent; margin-left: 2px;}"
                      "QLabel#Title{color: black;}"
                      "QSpinBox{color: white; background-color: black; border: 1px groove rgb(28,125,246);}"
                      "QSpinBox:focus{background-color: rgb(255,0,0);}"
                      "QSpinBox::up-button, QSpinBox::down-button{width: 0px; height: 0px;}"
                      "QPushButton:pressed{background-color: rgb(0,255,0);}")
                  + extra);
}

void EMeasureDialog::okClicked()
{
    savePara();
    close();
    EPanelReturn::showPanel();
}

void EMeasureDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        savePara();
        close();
    }
}

void EMeasureDialog::showEvent(QShowEvent *event)
{
    readConfigPara();
    QWidget::showEvent(event);
}
