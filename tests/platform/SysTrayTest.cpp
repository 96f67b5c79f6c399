#include "platform/tray/SysTray.h"

#include "fakes/FakeTrayIcon.h"
#include "platform/tray/TrayClicks.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {
class SysTrayTest : public testing::Test
{
protected:

    TrayPanel panel;
    std::unique_ptr<SysTray> tray = std::make_unique<SysTray>(std::make_unique<FakeTrayIcon>(panel),
                                                              "Earnmeter: How much money did you make today?");
};

TEST_F(SysTrayTest, PanelGetsTheTipCutToWhatItKeepsAndNoIconTwice)
{
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // outside the BMP: two UTF-16 units
    // clang-format off
    const std::pair<QString, QString> rows[] = {
        {QString(63, 'a'), QString(63, 'a')}, {QString(64, 'b'), QString(64, 'b')}, {QString(64, 'c') + "d", QString(64, 'c')},
        {QString(63, 'f') + clef + "g", QString(63, 'f') + clef}, {clef.repeated(70), clef.repeated(64)}};
    // clang-format on
    for (const auto& [text, tip] : rows) {
        tray->setToolTip(text);
        EXPECT_EQ(panel.tip, tip);
    }
    EXPECT_EQ(panel.tipSends, 5);
    // The owner may set the same icon on every tick: only a new one reaches the panel.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkGreen);
    const QIcon bank(pixmap);
    for (const QIcon& icon : {bank, bank, QIcon(bank), QIcon()})
        tray->setIcon(icon);
    EXPECT_EQ(panel.iconSends, 1);
    EXPECT_EQ(panel.iconKey, bank.cacheKey());
    pixmap.fill(Qt::red);
    tray->setIcon(QIcon(pixmap));
    EXPECT_EQ(panel.iconSends, 2);
}

// Activations as the panels send them, each at a time in ms, within a double-click interval of 400 ms.
TEST(TrayClicks, ASecondLeftClickWithinTheIntervalIsADoubleClickOnEveryKindOfTray)
{
    using R = QSystemTrayIcon::ActivationReason;
    using Stream = std::vector<std::pair<R, int>>;
    const auto T = QSystemTrayIcon::Trigger, D = QSystemTrayIcon::DoubleClick, C = QSystemTrayIcon::Context;
    for (const auto& [name, stream, heard] :
         {std::tuple{"StatusNotifierItem double click", Stream{{T, 1000}, {T, 1399}}, "down 1, double 1"},
          {"two clicks too far apart", Stream{{T, 1000}, {T, 1400}}, "down 1, down 1"},
          {"XEMBED double click", Stream{{T, 1000}, {D, 1200}}, "down 1, double 1"},
          {"a third click starts afresh", Stream{{T, 0}, {T, 100}, {T, 200}, {T, 300}},
           "down 1, double 1, down 1, double 1"},
          {"a right click in between", Stream{{T, 0}, {C, 100}, {T, 200}}, "down 1, down 2, down 1"},
          {"the middle button and the unknown",
           Stream{{QSystemTrayIcon::MiddleClick, 0}, {QSystemTrayIcon::Unknown, 1}}, ""}}) {
        TrayClicks clicks;
        std::string events;
        for (const auto& [reason, at] : stream) {
            const auto event = clicks.next(reason, std::chrono::milliseconds(at), std::chrono::milliseconds(400));
            if (event)
                events += std::string(events.empty() ? "" : ", ") +
                          (event->kind == TrayEvent::Kind::DoubleClick ? "double " : "down ") +
                          std::to_string(event->button);
        }
        EXPECT_EQ(events, heard) << name;
    }
}
} // namespace
