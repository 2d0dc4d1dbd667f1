#include "desktop/SingleInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace lumo {

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (m_owned) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(QString::fromLatin1(kPath));
        bus.unregisterService(QString::fromLatin1(kService));
    }
}

SingleInstance::Role SingleInstance::claim(const QString& address, const QString& name) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return Role::Alone;
    }
    if (!bus.registerObject(QString::fromLatin1(kPath), this,
                            QDBusConnection::ExportScriptableSlots)) {
        return Role::Alone;
    }
    const auto reply = bus.interface()->registerService(
        QString::fromLatin1(kService), QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_owned = true;
        return Role::First;
    }
    bus.unregisterObject(QString::fromLatin1(kPath));
    QDBusMessage open = QDBusMessage::createMethodCall(
        QString::fromLatin1(kService), QString::fromLatin1(kPath),
        QStringLiteral("org.lumoplayer.Lumo"), QStringLiteral("Open"));
    open << address << name;
    const QDBusMessage answer = bus.call(open, QDBus::Block, kHandOverMilliseconds);
    return answer.type() == QDBusMessage::ReplyMessage ? Role::HandedOver : Role::Alone;
}

void SingleInstance::Open(const QString& address, const QString& name) {
    emit opened(address, name);
}

} // namespace lumo
