#include "elanguagedialog.h"

#include "edialogtitle.h"
#include "eflickcharmtext.h"
#include "egeneralpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "esetupflickcharm.h"
#include "esetupwindow.h"
#include "languagetable.h"
#include "messagechannel.h"
#include "setupsettings.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int RowWidth = 235;
constexpr int RowHeight = 30;
constexpr int SliderTop = 26;
bool s_restartRequested = false;
} // namespace

ELanguageDialog::ELanguageDialog(QWidget *page, QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags)
    , m_page(qobject_cast<EGeneralPage *>(page))
{
    setObjectName(QStringLiteral("LanguageDialog"));
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);
    m_title = new EDialogTitle(this);
    m_title->setText(tr("Language"));
    m_title->setFixedHeight(24);
    m_scene = new QGraphicsScene(this);
    m_view = new QGraphicsView(m_scene, this);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_flickCharm = new ESetupFlickCharm;
    m_flickCharm->activateOn(m_view);
    layout->addWidget(m_title);
    layout->addWidget(m_view);

    connect(m_title, &EDialogTitle::cancel, this, &ELanguageDialog::cancelHandler);
    connect(m_title, &EDialogTitle::done, this, &ELanguageDialog::doneHandler);
    connect(m_flickCharm, &FlickEngine::clickedPressed, this, &ELanguageDialog::clickedPressedHandler);
    connect(m_flickCharm, &FlickEngine::clickedReleased, this, &ELanguageDialog::clickedReleasedHandler);
    connect(m_flickCharm, &FlickEngine::clickedMoved, this, &ELanguageDialog::clickedMovedHandler);
    connect(m_flickCharm, &FlickEngine::sliderHide, this, &ELanguageDialog::sliderHideHandler);

    m_slider = new QLabel(this);
    m_slider->setObjectName(QStringLiteral("Slider"));
    m_slider->setFixedWidth(3);
    m_slider->hide();
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this, &ELanguageDialog::valueChangedHandler);
    setStyleSheet(QStringLiteral("QFrame#LanguageDialog{border: 1px solid #8f8f91; border-radius: 6px;}"
                                 "QLabel#Slider{background: grey;}"));

    for (int i = 0; i < LanguageTable::Count; ++i) {
        m_langKeys << LanguageTable::key(i);
        m_langNames << LanguageTable::name(i);
    }
}

ELanguageDialog::~ELanguageDialog()
{
    // The scene goes with the children after this object; its view still
    // reports a scroll change then.
    m_view->verticalScrollBar()->disconnect(this);
    delete m_flickCharm;
}

bool ELanguageDialog::restartRequested()
{
    return s_restartRequested;
}

void ELanguageDialog::clearRestartRequest()
{
    s_restartRequested = false;
}

void ELanguageDialog::getLangList()
{
    const int k = m_langKeys.indexOf(LanguageTable::storedKey());
    if (k > 0) {
        m_langNames.move(k, 0);
        m_langKeys.move(k, 0);
    }
    m_current = 0;
}

void ELanguageDialog::readLanguageTable()
{
    getLangList();
    qWarning("LangList:%d", int(m_langNames.size()));
    m_items.clear();
    const int n = int(m_langNames.size());
    for (int i = 0; i < n; ++i) {
        auto *item = new EFlickCharmText(m_langNames.at(i), i, RowWidth, RowHeight);
        m_scene->addItem(item);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        item->setFont(QFont(QStringLiteral("unifont"), 16, QFont::Normal, false));
        m_items.append(item);
    }
    if (n > 0) {
        m_items.first()->setFirstItem(true);
        m_items.last()->setLastItem(true);
        m_items.at(m_current)->setChecked(true);
    }
}

void ELanguageDialog::deleteRows()
{
    qDeleteAll(m_items);
    m_items.clear();
}

void ELanguageDialog::showEvent(QShowEvent *event)
{
    deleteRows();
    readLanguageTable();
    m_view->horizontalScrollBar()->setValue(0);
    m_view->verticalScrollBar()->setValue(0);
    QFrame::showEvent(event);
    if (m_items.isEmpty())
        return;
    const int height = m_view->height();
    const int maximum = m_view->verticalScrollBar()->maximum();
    m_slider->setFixedHeight(height * height / (int(m_items.size()) * 32));
    m_slider->move(width() - 3, SliderTop);
    // A list that fits the view does not scroll: the bar stays hidden and
    // nothing is divided by a zero maximum.
    m_dy = maximum > 0 ? float(height - m_slider->height()) / float(maximum) : 0.0f;
}

EFlickCharmText *ELanguageDialog::row(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

bool ELanguageDialog::isRow(const QString &text, int index) const
{
    return index != -1 && !text.isEmpty() && row(index);
}

void ELanguageDialog::clickedPressedHandler(const QString &text, int index)
{
    if (!isRow(text, index))
        return;
    if (EFlickCharmText *current = row(m_current))
        current->setHighLight(false);
    row(index)->setHighLight(true);
}

void ELanguageDialog::clickedMovedHandler(const QString &text, int index)
{
    if (m_dy > 0.0f) {
        m_slider->show();
        m_slider->raise();
    }
    if (isRow(text, index))
        row(index)->setHighLight(false);
}

void ELanguageDialog::clickedReleasedHandler(const QString &text, int index)
{
    if (!isRow(text, index))
        return;
    if (EFlickCharmText *current = row(m_current))
        current->setChecked(false);
    row(index)->setChecked(true);
    row(index)->setHighLight(false);
    m_current = index;
}

void ELanguageDialog::sliderHideHandler()
{
    m_slider->hide();
}

void ELanguageDialog::valueChangedHandler(int value)
{
    m_slider->move(width() - 3, int(float(SliderTop) + float(value) * m_dy));
}

void ELanguageDialog::cancelHandler()
{
    close();
}

void ELanguageDialog::doneHandler()
{
    SetupSettings::write({{"Lang", m_langKeys.value(m_current)}});
    if (m_page)
        m_page->setLanguage(m_langNames.value(m_current));
    close();
    if (m_current == 0)
        return;
    // The rows go now and the list is emptied, so the next opening does
    // not delete them again.
    deleteRows();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setSetupVisibled(false);
    if (ESetupWindow *setup = EGlobal::getSetupWindow())
        setup->setVisible(false);
    s_restartRequested = true;
    QCoreApplication::quit();
}

void ELanguageDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    }
    QFrame::keyPressEvent(event);
}
