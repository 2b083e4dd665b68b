#include "emisstable.h"

#include "edialogtitle.h"
#include "emisstextitem.h"
#include "flickcharm.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
const QString s_custom = QStringLiteral("Custom");
constexpr int SliderTop = 26;
} // namespace

EmissTable::EmissTable(QWidget *parent, QWidget *second, Qt::WindowFlags flags)
    : QFrame(parent, flags)
    , m_second(second)
{
    setObjectName(QStringLiteral("LanguageDialog"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(1);
    m_title = new EDialogTitle(this);
    m_title->setText(tr("Select Material"));
    m_title->setFixedHeight(24);
    m_scene = new QGraphicsScene(this);
    m_view = new QGraphicsView(m_scene, this);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    layout->addWidget(m_title);
    layout->addWidget(m_view);

    m_charm = new FlickCharm;
    m_charm->activateOn(m_view);

    connect(m_title, &EDialogTitle::cancel, this, &EmissTable::cancelHandler);
    connect(m_title, &EDialogTitle::done, this, &EmissTable::doneHandler);
    connect(m_charm, &FlickEngine::clickedPressed, this, &EmissTable::clickedPressedHandler);
    connect(m_charm, &FlickEngine::clickedReleased, this, &EmissTable::clickedReleasedHandler);
    connect(m_charm, &FlickEngine::clickedMoved, this, &EmissTable::clickedMovedHandler);
    connect(m_charm, &FlickEngine::sliderHide, this, &EmissTable::sliderHideHandler);
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this, &EmissTable::valueChangedHandler);

    m_slider = new QLabel(this);
    m_slider->setObjectName(QStringLiteral("Slider"));
    m_slider->setFixedWidth(3);
    m_slider->hide();
    // Its own colours: an opener's sheet would reach this child window.
    setStyleSheet(QStringLiteral("QFrame#LanguageDialog{border: 1px solid #8f8f91; border-radius: 6px;"
                                 " background-color: white;}"
                                 "QGraphicsView{background-color: white;}"
                                 "QLabel#Slider{background-color: grey;}"));

    m_materials = EmissivityFile::read(QLatin1String(EmissivityFile::fileName()));
}

EmissTable::~EmissTable()
{
    // The scene goes with the children after this object is gone, and its
    // view still reports a scroll change then.
    m_view->verticalScrollBar()->disconnect(this);
    delete m_charm;
}

void EmissTable::setSaveMaterial(const QString &material)
{
    m_saveMaterial = material;
    m_customKnown = false;
}

void EmissTable::setSaveMaterial(const QString &material, float emiss)
{
    m_saveMaterial = material;
    m_customKnown = EmissivityFile::isEmissivity(double(emiss));
    m_customEmiss = m_customKnown ? emiss : 0.0f;
}

void EmissTable::addRow(EmissTextItem *item)
{
    item->setPos(0, EmissTextItem::RowHeight * m_rows.size());
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    item->setFirstItem(m_rows.isEmpty());
    if (!m_rows.isEmpty())
        m_rows.last()->setLastItem(false);
    item->setLastItem(!m_rows.isEmpty());
    m_scene->addItem(item);
    m_rows.append(item);
}

void EmissTable::readEmissTable()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    addRow(m_customKnown ? new EmissTextItem(s_custom, m_customEmiss, 0) : new EmissTextItem(s_custom, 0));

    // The material in use stands first after "Custom"; one the file does not
    // (or no longer) list is shown as a hand-set value.
    const EmissivityFile::Material *saved = nullptr;
    for (const EmissivityFile::Material &m : m_materials)
        if (m.name == m_saveMaterial) {
            saved = &m;
            break;
        }
    if (saved)
        addRow(new EmissTextItem(saved->name, saved->emiss, 1));
    m_current = saved ? 1 : 0;
    m_rows.at(m_current)->setChecked(true);
    for (const EmissivityFile::Material &m : m_materials)
        if (m.name != m_saveMaterial)
            addRow(new EmissTextItem(m.name, m.emiss, int(m_rows.size())));
    m_scene->setSceneRect(m_scene->itemsBoundingRect());
}

EmissTextItem *EmissTable::row(int index) const
{
    return index >= 0 && index < m_rows.size() ? m_rows.at(index) : nullptr;
}

bool EmissTable::isRow(const QString &text, int index) const
{
    return index != -1 && !text.isEmpty() && row(index);
}

void EmissTable::showEvent(QShowEvent *event)
{
    readEmissTable();
    m_view->horizontalScrollBar()->setValue(0);
    m_view->verticalScrollBar()->setValue(0);
    QFrame::showEvent(event);
    updateSlider();
}

void EmissTable::updateSlider()
{
    const int height = m_view->height();
    const int maximum = m_view->verticalScrollBar()->maximum();
    m_slider->setFixedHeight(qMax(1, height * height / (32 * int(m_rows.size()))));
    m_slider->move(width() - 3, SliderTop);
    // With every row in sight nothing scrolls: no travel, and no division by 0.
    m_sliderFactor = maximum > 0 ? float(height - m_slider->height()) / float(maximum) : 0.0f;
}

void EmissTable::valueChangedHandler(int value)
{
    m_slider->move(width() - 3, int(float(value) * m_sliderFactor + float(SliderTop)));
}

void EmissTable::clickedPressedHandler(const QString &text, int index)
{
    if (!isRow(text, index))
        return;
    if (EmissTextItem *current = row(m_current))
        current->setHighLight(false);
    row(index)->setHighLight(true);
}

void EmissTable::clickedMovedHandler(const QString &text, int index)
{
    m_slider->show();
    m_slider->raise();
    if (isRow(text, index))
        row(index)->setHighLight(false);
}

void EmissTable::clickedReleasedHandler(const QString &text, int index)
{
    if (!isRow(text, index))
        return;
    if (EmissTextItem *current = row(m_current))
        current->setChecked(false);
    EmissTextItem *released = row(index);
    released->setChecked(true);
    released->setHighLight(false);
    m_current = index;
}

void EmissTable::sliderHideHandler()
{
    m_slider->hide();
}

void EmissTable::doneHandler()
{
    if (EmissTextItem *chosen = row(m_current)) {
        if (m_current != 0)
            Q_EMIT emissChanged(chosen->text(), chosen->getEmiss());
        else if (m_customKnown)
            Q_EMIT emissChanged(s_custom, m_customEmiss);
    }
    close();
}

void EmissTable::cancelHandler()
{
    close();
}

void EmissTable::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    QFrame::keyPressEvent(event);
}

bool EmissTable::popUp(EmissTable *&table, QWidget *opener, const QString &material, float emiss)
{
    const bool built = !table;
    if (built) {
        table = new EmissTable(opener, nullptr, Qt::Window | Qt::FramelessWindowHint);
        table->setWindowModality(Qt::WindowModal);
        table->setGeometry(0, 40, 280, 200);
    }
    table->setSaveMaterial(material, emiss);
    table->hide();
    table->show();
    table->raise();
    return built;
}
