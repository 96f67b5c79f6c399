#pragma once

#include "engine/AwaySource.h"
#include "engine/AwayWatch.h"
#include "engine/Clock.h"
#include "engine/DesktopNotifier.h"
#include "engine/Preferences.h"
#include "engine/Prompt.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class RunTimer;
class HistoryKeeper;

// Time away carried out: the watch fed with every counted second and with what
// the desktop tells, the idle time read only when the threshold could have been
// reached (on a tick that comes anyway, so no wakeup is added), and on the
// user's return the question, or the preferred action and a notification. The
// count and the history lose the away seconds together.
class AwayHost final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        RunTimer& timer;
        HistoryKeeper& history;
        Prompt& prompt;
        DesktopNotifier& notifier;
        const Clock& clock;
        const Preferences& preferences;
        AwaySource& source;
        std::function<void()> countChanged; // the count lost its away seconds: the tray and today follow
    };

    static constexpr int BeginAfterMs = 2000;

    explicit AwayHost(Parts parts);

    // The preferences were read or saved.
    void preferencesChanged();
    // Seconds were counted (the tick's history is written first).
    void counted(int seconds);
    // The run stopped counting: pause, reset, exit.
    void stoppedCounting();
    // While the meter counts and the user is away; unset when nothing watches.
    std::optional<bool> away() const;

    // The question's words; `from` and `to` in UTC seconds.
    QString stretchText(const AwayStretch& stretch) const;

private:
    std::int64_t threshold() const; // in seconds
    void readIdle();
    void lockChanged(bool away);
    void returned(const std::optional<AwayStretch>& stretch);
    void ask();
    void takeAway(bool thenPause);
    void tell(const QString& text);
    std::string localTime(std::int64_t epoch) const;

    Parts m_parts;
    AwayWatch m_watch;
    std::int64_t m_ticksToReading = 0;
    bool m_asking = false;
};
