#include "desktop/MprisObject.h"

#include "desktop/Mpris.h"
#include "desktop/MprisHost.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace lumo {

namespace {

const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// Calls that a station has nothing to do for: no next, no previous; and no place to seek to
// unless what it played is kept.
bool ignored(const QString& member, const QString& signature) {
    if (member == QLatin1String("Next") || member == QLatin1String("Previous")) {
        return signature.isEmpty();
    }
    return (member == QLatin1String("Seek") && signature == QLatin1String("x")) ||
           (member == QLatin1String("SetPosition") && signature == QLatin1String("ox"));
}

// MPRIS gives places in microseconds.
double secondsOf(const QVariant& microseconds) {
    return static_cast<double>(microseconds.toLongLong()) / 1e6;
}

QDBusMessage invalid(const QDBusMessage& message, const QString& why) {
    return message.createErrorReply(QDBusError::InvalidArgs, why);
}

} // namespace

MprisObject::MprisObject(Mpris& mpris) : QDBusVirtualObject(&mpris), m_mpris(mpris) {}

QString MprisObject::introspect(const QString&) const {
    return QStringLiteral(R"(<interface name="org.mpris.MediaPlayer2">
  <method name="Raise"/>
  <method name="Quit"/>
  <property name="CanQuit" type="b" access="read"/>
  <property name="CanRaise" type="b" access="read"/>
  <property name="HasTrackList" type="b" access="read"/>
  <property name="Identity" type="s" access="read"/>
  <property name="DesktopEntry" type="s" access="read"/>
  <property name="SupportedUriSchemes" type="as" access="read"/>
  <property name="SupportedMimeTypes" type="as" access="read"/>
</interface>
<interface name="org.mpris.MediaPlayer2.Player">
  <method name="Next"/>
  <method name="Previous"/>
  <method name="Pause"/>
  <method name="PlayPause"/>
  <method name="Stop"/>
  <method name="Play"/>
  <method name="Seek"><arg name="Offset" type="x" direction="in"/></method>
  <method name="SetPosition">
    <arg name="TrackId" type="o" direction="in"/><arg name="Position" type="x" direction="in"/>
  </method>
  <method name="OpenUri"><arg name="Uri" type="s" direction="in"/></method>
  <signal name="Seeked"><arg name="Position" type="x"/></signal>
  <property name="PlaybackStatus" type="s" access="read"/>
  <property name="Rate" type="d" access="readwrite"/>
  <property name="Metadata" type="a{sv}" access="read"/>
  <property name="Volume" type="d" access="readwrite"/>
  <property name="Position" type="x" access="read"/>
  <property name="MinimumRate" type="d" access="read"/>
  <property name="MaximumRate" type="d" access="read"/>
  <property name="CanGoNext" type="b" access="read"/>
  <property name="CanGoPrevious" type="b" access="read"/>
  <property name="CanPlay" type="b" access="read"/>
  <property name="CanPause" type="b" access="read"/>
  <property name="CanSeek" type="b" access="read"/>
  <property name="CanControl" type="b" access="read"/>
</interface>
<interface name="org.freedesktop.DBus.Properties">
  <method name="Get">
    <arg name="interface_name" type="s" direction="in"/>
    <arg name="property_name" type="s" direction="in"/>
    <arg name="value" type="v" direction="out"/>
  </method>
  <method name="GetAll">
    <arg name="interface_name" type="s" direction="in"/>
    <arg name="properties" type="a{sv}" direction="out"/>
  </method>
  <method name="Set">
    <arg name="interface_name" type="s" direction="in"/>
    <arg name="property_name" type="s" direction="in"/>
    <arg name="value" type="v" direction="in"/>
  </method>
  <signal name="PropertiesChanged">
    <arg name="interface_name" type="s"/>
    <arg name="changed_properties" type="a{sv}"/>
    <arg name="invalidated_properties" type="as"/>
  </signal>
</interface>
)");
}

QVariantMap MprisObject::properties(const QString& interface) const {
    if (interface == kRoot) {
        return {{QStringLiteral("CanQuit"), true},
                {QStringLiteral("CanRaise"), true},
                {QStringLiteral("HasTrackList"), false},
                // The name the desktop entry gives the program.
                {QStringLiteral("Identity"), QStringLiteral("Lumoplay")},
                {QStringLiteral("DesktopEntry"), QStringLiteral(LUMO_APP_ID)},
                {QStringLiteral("SupportedUriSchemes"),
                 QStringList{QStringLiteral("http"), QStringLiteral("https")}},
                {QStringLiteral("SupportedMimeTypes"), QStringList{}}};
    }
    if (interface == kPlayer) {
        return {{QStringLiteral("PlaybackStatus"), m_mpris.playbackStatus()},
                {QStringLiteral("Rate"), 1.0}, // a live stream has the one rate
                {QStringLiteral("MinimumRate"), 1.0},
                {QStringLiteral("MaximumRate"), 1.0},
                {QStringLiteral("Metadata"), m_mpris.metadata()},
                {QStringLiteral("Volume"), m_mpris.volume()},
                {QStringLiteral("Position"), m_mpris.position()},
                {QStringLiteral("CanGoNext"), false},
                {QStringLiteral("CanGoPrevious"), false},
                {QStringLiteral("CanPlay"), true},
                {QStringLiteral("CanPause"), true},
                {QStringLiteral("CanSeek"), m_mpris.host().mprisCanSeek()},
                {QStringLiteral("CanControl"), true}};
    }
    return {};
}

bool MprisObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (message.type() != QDBusMessage::MethodCallMessage) {
        return false;
    }
    QDBusMessage reply;
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable") &&
        message.member() == QLatin1String("Introspect")) {
        reply = message.createReply(
            QStringLiteral("<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection "
                           "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/"
                           "introspect.dtd\">\n<node>\n") +
            introspect(message.path()) +
            QStringLiteral("<interface name=\"org.freedesktop.DBus.Introspectable\">\n"
                           "  <method name=\"Introspect\">"
                           "<arg name=\"xml_data\" type=\"s\" direction=\"out\"/></method>\n"
                           "</interface>\n</node>\n"));
    } else if (message.interface() == kProperties) {
        if (message.member() == QLatin1String("Set")) {
            reply = setProperty(message);
        } else {
            reply = property(message);
        }
    } else {
        reply = call(message);
    }
    if (!message.isReplyRequired()) {
        return true;
    }
    connection.send(reply);
    return true;
}

QDBusMessage MprisObject::property(const QDBusMessage& message) const {
    const QList<QVariant> arguments = message.arguments();
    if (message.member() == QLatin1String("GetAll") && message.signature() == QLatin1String("s")) {
        const QString interface = arguments.at(0).toString();
        if (interface != kRoot && interface != kPlayer) {
            return message.createErrorReply(QDBusError::UnknownInterface, interface);
        }
        return message.createReply(QVariant::fromValue(properties(interface)));
    }
    if (message.member() == QLatin1String("Get") && message.signature() == QLatin1String("ss")) {
        const QVariantMap all = properties(arguments.at(0).toString());
        const auto found = all.constFind(arguments.at(1).toString());
        if (found == all.constEnd()) {
            return message.createErrorReply(QDBusError::UnknownProperty,
                                            arguments.at(1).toString());
        }
        return message.createReply(QVariant::fromValue(QDBusVariant(found.value())));
    }
    return message.createErrorReply(QDBusError::UnknownMethod, message.member());
}

QDBusMessage MprisObject::setProperty(const QDBusMessage& message) {
    if (message.signature() != QLatin1String("ssv")) {
        return invalid(message, QStringLiteral("Set takes an interface, a name and a value"));
    }
    const QList<QVariant> arguments = message.arguments();
    const QString interface = arguments.at(0).toString();
    const QString name = arguments.at(1).toString();
    const QVariant value = arguments.at(2).value<QDBusVariant>().variant();
    if (!properties(interface).contains(name)) {
        return message.createErrorReply(QDBusError::UnknownProperty, name);
    }
    const bool writable =
        interface == kPlayer && (name == QLatin1String("Volume") || name == QLatin1String("Rate"));
    if (!writable) {
        return message.createErrorReply(
            QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly"), name);
    }
    if (value.metaType() != QMetaType::fromType<double>()) {
        return invalid(message, QStringLiteral("%1 is a double").arg(name));
    }
    if (name == QLatin1String("Volume")) {
        m_mpris.setVolume(value.toDouble());
    } // Rate: 1.0 is the only rate there is
    return message.createReply();
}

QDBusMessage MprisObject::call(const QDBusMessage& message) {
    MprisHost& host = m_mpris.host();
    const QString member = message.member();
    const QString signature = message.signature();
    const QString interface = message.interface();
    const bool root = interface == kRoot || interface.isEmpty();
    const bool player = interface == kPlayer || interface.isEmpty();
    if (root && member == QLatin1String("Raise") && signature.isEmpty()) {
        host.mprisRaise();
    } else if (root && member == QLatin1String("Quit") && signature.isEmpty()) {
        host.mprisQuit();
    } else if (player && member == QLatin1String("Play") && signature.isEmpty()) {
        host.mprisPlay();
    } else if (player && member == QLatin1String("Pause") && signature.isEmpty()) {
        host.mprisPause();
    } else if (player && member == QLatin1String("PlayPause") && signature.isEmpty()) {
        m_mpris.playPause();
    } else if (player && member == QLatin1String("Stop") && signature.isEmpty()) {
        host.mprisStop();
    } else if (player && host.mprisCanSeek() && member == QLatin1String("Seek") &&
               signature == QLatin1String("x")) {
        host.mprisSeek(secondsOf(message.arguments().at(0)));
    } else if (player && host.mprisCanSeek() && member == QLatin1String("SetPosition") &&
               signature == QLatin1String("ox")) {
        host.mprisSetPosition(secondsOf(message.arguments().at(1)));
    } else if (player && ignored(member, signature)) {
        // nothing happens
    } else if (player && member == QLatin1String("OpenUri") && signature == QLatin1String("s")) {
        if (!host.mprisOpenUri(message.arguments().at(0).toString().toStdString())) {
            return invalid(message,
                           QStringLiteral("Only http and https addresses of stations are played"));
        }
    } else {
        return message.createErrorReply(
            QDBusError::UnknownMethod,
            QStringLiteral("%1.%2(%3)").arg(interface, member, signature));
    }
    return message.createReply();
}

} // namespace lumo
