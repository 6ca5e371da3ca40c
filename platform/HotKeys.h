#pragma once
// System-wide hot keys: a modifier set and one key of the key list
// (platform/KeyTable.h), registered under an identifier. A pressed hot key
// comes back as its identifier to the one handler of the application, on the
// user-interface thread, also while a modal window runs its own loop.
#include <QMap>
#include <QString>
#include <functional>
#include <memory>

class QDBusConnection;

namespace platform {

// The modifier bits as the settings store keeps them.
enum HotKeyModifier : int { kModAlt = 1, kModCtrl = 2, kModShift = 4, kModWin = 8 };

class HotKeys {
public:
    using Handler = std::function<void(int id)>;

    virtual ~HotKeys() = default;
    // Where pressed hot keys go; an empty handler drops them.
    virtual void setHandler(Handler handler) = 0;
    // Replaces any registration under id. False when the key is not in the key
    // list or the combination cannot be had (another program holds it).
    virtual bool registerKey(int id, int modifiers, int virtualKey) = 0;
    virtual void unregisterKey(int id) = 0;
    // Empty where hot keys reach the program whatever window has the focus;
    // otherwise a plain sentence for the user saying that they do not.
    virtual QString unavailableReason() const = 0;

    // What a desktop that lists the program's shortcuts shows beside one; the
    // program names its keys, this layer only passes the words on.
    void setDescription(int id, const QString& text) { descriptions_[id] = text; }
    QString description(int id) const {
        return descriptions_.value(id, QStringLiteral("Hot key %1").arg(id));
    }

private:
    QMap<int, QString> descriptions_;
};

// The hot keys in use: the real ones of this session unless replaced.
HotKeys& hotKeys();
// Puts other hot keys in place (tests); null puts the real ones back. Returns
// those that were in use (null while the real ones were never made).
std::shared_ptr<HotKeys> replaceHotKeys(std::shared_ptr<HotKeys> keys);

// The hot keys a session offers: on a Wayland desktop whose portal binds
// global shortcuts, those; else X11 grabs (which on Wayland say why they
// cannot reach other programs' keys).
std::shared_ptr<HotKeys> makeSessionHotKeys(bool wayland, const QDBusConnection& bus);

// Whether the desktop session is a Wayland one, where X11 grabs see only the
// keys typed into X11 windows.
bool isWaylandSession();

}  // namespace platform
