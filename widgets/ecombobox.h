#pragma once

#include <QPushButton>
#include <QStringList>

class QLabel;

// Flat button showing the current string of a fixed list. The index is kept
// inside the list; an empty list shows nothing and ignores indexes.
class EComboBox : public QPushButton
{
    Q_OBJECT
public:
    EComboBox(const QStringList &list, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    int currentIndex() const { return m_index; }
    int count() const { return m_list.size(); }
    const QStringList &stringList() const { return m_list; }
    // Out-of-range indexes are clamped into the list; silent.
    void setCurrentIndex(int index);
    void setText(const QString &text);
    QString text() const;
    // The label keeps its text until the next setCurrentIndex; the index is
    // clamped into the new list at once.
    void setStringList(const QStringList &list);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_label;
    int m_index = 0;
    QStringList m_list;
};
