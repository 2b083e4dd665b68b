#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

#include <cmath>

// Whether the texts of the visible labels and buttons show whole on the
// panel: each text, as wide and as high as its font draws it, fits the room
// its widget leaves inside the style's border and padding, and what the
// widget's parents and the 320x240 panel show of it.
namespace TextFit {

inline QString describe(const QWidget *widget)
{
    QStringList chain;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        QString name = QLatin1String(w->metaObject()->className());
        if (!w->objectName().isEmpty())
            name += QLatin1Char('#') + w->objectName();
        chain.prepend(name);
        if (w->isWindow())
            break;
    }
    if (chain.size() > 3)
        chain = QStringList{chain.first(), QStringLiteral("..."), chain.at(chain.size() - 2), chain.last()};
    return chain.join(QStringLiteral(" > "));
}

// The size the text takes in the font; wrapped text within wrapWidth.
inline QSize textSize(const QString &text, const QFont &font, bool rich, bool wrap, int wrapWidth)
{
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (wrap)
            document.setTextWidth(wrapWidth);
        const qreal width = wrap ? document.size().width() : document.idealWidth();
        return QSize(int(std::ceil(width)), int(std::ceil(document.size().height())));
    }
    const QFontMetrics metrics(font);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0);
    return metrics.boundingRect(QRect(0, 0, wrap ? wrapWidth : 1 << 20, 1 << 20), flags, text).size();
}

// Where QLabel lays its text out: inside the frame, the style sheet's
// border and padding, the margin and the indent.
inline QRect labelRoom(const QLabel *label)
{
    const int margin = label->margin();
    QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth())
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

// Where the style draws a button's text: inside its border and padding,
// beside its icon.
inline QRect buttonRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element;
    if (qobject_cast<const QCheckBox *>(button)) {
        element = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton *>(button)) {
        element = QStyle::SE_RadioButtonContents;
    } else if (auto *push = qobject_cast<const QPushButton *>(button)) {
        element = QStyle::SE_PushButtonContents;
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
    } else {
        return button->contentsRect();
    }
    QRect room = button->style()->subElementRect(element, &option, button);
    if (element == QStyle::SE_PushButtonContents && !option.icon.isNull())
        room.setLeft(room.left() + option.iconSize.width() + 4);
    return room;
}

// "&&" shows as "&", a single "&" marks the shortcut and shows nothing.
inline QString shownButtonText(QString text)
{
    text.replace(QLatin1String("&&"), QChar(0x1));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(0x1), QLatin1Char('&'));
}

// The first of the widget's parents, or the panel, that hides part of rect
// (the widget's own coordinates); empty when all of it shows.
inline QString hiddenBy(const QWidget *widget, const QRect &rect, const QRect &panel)
{
    const QRect global(widget->mapToGlobal(rect.topLeft()), rect.size());
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (!QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).contains(global))
            return describe(w);
        if (w->isWindow())
            break;
    }
    return panel.contains(global) ? QString() : QStringLiteral("the panel's edge");
}

// The rows of the text block that glyphs cover: the line boxes hold room
// above and below the ink, which may hang over the padding unseen.
inline QRect inkRows(const QString &text, const QFont &font, const QRect &block)
{
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int top = 0, bottom = 0;
    for (const QString &line : lines) {
        const QRect ink = metrics.tightBoundingRect(line);
        top = qMin(top, ink.top());
        bottom = qMax(bottom, ink.bottom());
    }
    const int firstBaseline = block.top() + metrics.ascent();
    const int lastBaseline = block.bottom() + 1 - metrics.descent();
    return QRect(QPoint(block.left(), firstBaseline + top), QPoint(block.right(), lastBaseline + bottom));
}

// One line for a text that does not show whole, empty when it does: wider
// than the room its widget leaves for it, or glyphs past the widget's edge,
// a parent's or the panel's.
inline QString check(const QWidget *widget, const QString &text, const QFont &font, bool rich, bool wrap,
                     const QRect &room, Qt::Alignment align, const QRect &panel)
{
    const QSize needed = textSize(text, font, rich, wrap, room.width());
    const QString shown = QString(text).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    if (needed.width() > room.width())
        return QStringLiteral("%1: \"%2\" is %3 px wide, has %4 px")
            .arg(describe(widget), shown)
            .arg(needed.width())
            .arg(room.width());
    const QRect block = QStyle::alignedRect(widget->layoutDirection(), align, needed, room);
    const QRect drawn = rich || wrap ? block : inkRows(text, font, block);
    if (!widget->rect().contains(drawn))
        return QStringLiteral("%1: \"%2\" needs rows %3..%4, the widget shows 0..%5")
            .arg(describe(widget), shown)
            .arg(drawn.top())
            .arg(drawn.bottom())
            .arg(widget->height() - 1);
    const QString hider = hiddenBy(widget, drawn, panel);
    if (!hider.isEmpty())
        return QStringLiteral("%1: \"%2\" cut by %3").arg(describe(widget), shown, hider);
    return QString();
}

// Every visible label and button text of the visible windows that does not
// show whole, one line each.
inline QStringList faults(const QRect &panel = QRect(0, 0, 320, 240))
{
    QStringList found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (const QWidget *widget : widgets) {
            if (!widget->isVisible())
                continue;
            QString line;
            if (auto *label = qobject_cast<const QLabel *>(widget)) {
                if (label->text().trimmed().isEmpty())
                    continue;
                const bool rich = label->textFormat() == Qt::RichText
                                  || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
                line = check(label, label->text(), label->font(), rich, label->wordWrap(), labelRoom(label),
                             label->alignment(), panel);
            } else if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
                const QString text = shownButtonText(button->text());
                if (text.trimmed().isEmpty())
                    continue;
                line = check(button, text, button->font(), false, false, buttonRoom(button), Qt::AlignCenter, panel);
            }
            if (!line.isEmpty())
                found << line;
        }
    }
    return found;
}

} // namespace TextFit
