#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>

// Object positions waiting to be written to "Parameter/Setting". A drag
// moves an object on every touch move, and one settings write (parse and
// rewrite of the whole file) costs far more than a move may; so positions
// are kept here and written together once the moves pause for IdleMs,
// when an object is hidden, at touch release (flush()) and at exit. Keys
// and value formats are those of a direct write.
class EPendingSettings : public QObject
{
    Q_OBJECT
public:
    static constexpr int IdleMs = 300;

    static EPendingSettings *instance();

    // group "Spot_1", key "Position_x".
    void setValue(const QString &group, const QString &key, const QVariant &value);
    bool hasPending() const { return !m_pending.isEmpty(); }
    // Writes everything pending now; false when the file could not be
    // written (the values stay pending for the next try).
    bool flush();

    // One write of the given values ("group/key" to value), synced and
    // checked: what flush() does, and what a move did before coalescing.
    static bool writeNow(const QMap<QString, QVariant> &values);

private:
    EPendingSettings();
    ~EPendingSettings() override;

    QMap<QString, QVariant> m_pending;
    QTimer m_idle;
};
