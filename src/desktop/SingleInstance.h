#pragma once

#include <QObject>
#include <QString>

namespace lumo {

// One player per desktop session. The first start owns the bus name of the application id and
// takes, on the bus, what later starts hand it (an address to play, or nothing: show yourself);
// a later start hands over its address and ends. Without a session bus every start is a player
// of its own, as before.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.lumoplayer.Lumo")
public:
    enum class Role {
        First,      // this start is the player; later starts are told to it through `opened`
        HandedOver, // another player has taken the address: this start ends
        Alone,      // no bus, or the player that owns the name did not answer
    };
    static constexpr const char* kService = LUMO_APP_ID;
    static constexpr const char* kPath = "/org/lumoplayer/Lumo";
    static constexpr int kHandOverMilliseconds = 5000;

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // Called once, before the event loop runs (a start that hands over waits for the answer).
    Role claim(const QString& address, const QString& name);

public slots:
    // Called on the bus by a later start: its station (empty for none) and that station's name.
    Q_SCRIPTABLE void Open(const QString& address, const QString& name);

signals:
    void opened(const QString& address, const QString& name);

private:
    bool m_owned = false;
};

} // namespace lumo
