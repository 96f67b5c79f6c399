#pragma once

#include "engine/DesktopNotifier.h"

#include <QObject>

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class BusConnection;
struct DBusMessage;

// Notifications through org.freedesktop.Notifications on the session bus (the
// Desktop Notifications specification), on a connection of their own opened
// at the first one, so a program that tells nothing never touches the bus. An
// action is offered as the key "start" with the label given; servers without
// actions leave it out. No bus or no server: nothing is shown, nothing fails.
class DesktopNotifications final : public QObject, public DesktopNotifier
{
public:
    // The session bus, or the bus at `address` (tests).
    explicit DesktopNotifications(std::string address = {});
    ~DesktopNotifications() override;

    void notify(const std::string& text, const std::string& action, std::function<void()> onAction) override;

    // A signal of the notification server: an action chosen or a notification closed.
    bool heard(DBusMessage* signal);
    // The server's answer to a Notify that offered an action: the id it goes by.
    void shown(std::uint32_t id, std::function<void()> onAction);
    // How many shown notifications still offer their action.
    std::size_t offering() const { return m_actions.size(); }

private:
    bool connected();

    std::string m_address;
    std::unique_ptr<BusConnection> m_bus;
    bool m_tried = false;
    std::map<std::uint32_t, std::function<void()>> m_actions; // by notification id
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
