#pragma once

#include <QDBusVirtualObject>

namespace lumo {

class Mpris;

// The player's object on the bus (/org/mpris/MediaPlayer2), answering every call itself: the
// two MPRIS interfaces' methods and properties, and the standard Properties interface, so that
// a value of the wrong type is answered with InvalidArgs, as clients expect, and a refused
// address with an error of its own.
class MprisObject : public QDBusVirtualObject {
    Q_OBJECT
public:
    explicit MprisObject(Mpris& mpris);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

    // Every property of an interface, as GetAll gives them.
    QVariantMap properties(const QString& interface) const;

private:
    QDBusMessage property(const QDBusMessage& message) const;
    QDBusMessage setProperty(const QDBusMessage& message);
    QDBusMessage call(const QDBusMessage& message);

    Mpris& m_mpris;
};

} // namespace lumo
