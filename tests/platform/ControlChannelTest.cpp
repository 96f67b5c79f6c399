#include "platform/ControlClient.h"
#include "platform/ControlServer.h"

#include "TempFolder.h"
#include "fakes/FakeMeter.h"

#include <QTest>

#include <gtest/gtest.h>

#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const MeterStatus Running{Phase::Running, 7, Currency::fromUnits(700), Currency::fromUnits(360'000), false};
const std::string RunningLine = "Running 00:00:07 $0.07 ($36.00/hr), today $253.18 in 6:02:11";

// A socket connected to (or, with `listening`, bound at) the path.
int socketAt(const std::string& path, bool listening = false)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const auto* at = reinterpret_cast<const sockaddr*>(&address);
    const bool done = listening ? ::bind(fd, at, sizeof address) == 0 && ::listen(fd, 4) == 0
                                : ::connect(fd, at, sizeof address) == 0;
    return done ? fd : (::close(fd), -1);
}

// A raw client that says what a test wants, or nothing.
class RawClient
{
public:
    explicit RawClient(const std::string& path) : m_fd(socketAt(path)) {}
    ~RawClient() { ::close(m_fd); }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return m_fd >= 0; }
    void say(const std::string& text) { ::send(m_fd, text.data(), text.size(), MSG_NOSIGNAL); }
    // What the server has sent so far; "(closed)" once it has hung up, "" while it is still silent.
    std::string heard()
    {
        char buffer[512];
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        return got == 0 ? "(closed)" : got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : "";
    }
    // Waits for the first whole line.
    std::string firstLine()
    {
        std::string line;
        const bool whole = QTest::qWaitFor([&] { return (line += heard()).find('\n') != std::string::npos; });
        return whole ? line : line + "(no whole line)";
    }

private:
    int m_fd;
};

class ControlChannelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        meter.current = Running;
        meter.dayFigures.today = {{21731, Currency::fromUnits(2'531'800)}, true};
        ASSERT_EQ(server->listen(socketPath, true), "");
    }

    // A real client, beside the event loop the server answers in.
    std::vector<std::string> exchange(const std::string& request, ControlClient::Outcome expected)
    {
        std::vector<std::string> lines;
        auto done = std::async(std::launch::async, [&] {
            return ControlClient(socketPath).exchange(request, [&lines](const std::string& line) {
                lines.push_back(line);
                return true;
            });
        });
        EXPECT_TRUE(QTest::qWaitFor(
            [&done] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000));
        EXPECT_EQ(done.get(), expected) << request;
        return lines;
    }

    TempFolder runtime;
    std::string socketPath = runtime / "channel.sock";
    FakeMeter meter;
    std::unique_ptr<ControlServer> server = std::make_unique<ControlServer>(meter);
};

// Watchers and requests each have their places: panels never shut a request out, a
// client with no place is told it is busy, and a watcher that reads nothing is let go.
TEST_F(ControlChannelTest, WatchersAndRequestsHavePlacesOfTheirOwnAndAStalledWatcherIsLetGo)
{
    server = std::make_unique<ControlServer>(meter, ControlServer::Limits{2, 2, std::chrono::seconds(0)});
    ASSERT_EQ(server->listen(socketPath, true), "");
    RawClient panel(socketPath);
    panel.say("watch\n");
    EXPECT_NE(panel.firstLine(), "busy\n");
    RawClient stalled(socketPath);
    stalled.say("watch\n");
    EXPECT_NE(stalled.firstLine(), "busy\n");
    RawClient third(socketPath);
    third.say("watch\n");
    EXPECT_EQ(third.firstLine(), "busy\n") << "a third watcher";
    EXPECT_EQ(exchange("status", ControlClient::Outcome::Answered).size(), 1u) << "a request beside the watchers";
    {
        RawClient silent(socketPath), quiet(socketPath);
        QTest::qWait(50);
        EXPECT_EQ(RawClient(socketPath).firstLine(), "busy\n") << "a third request at once";
    }
    // The stalled watcher reads no more: the change after the one it left unread lets it go.
    MeterStatus next = Running;
    for (const int second : {8, 9}) {
        next.elapsedSeconds = second;
        meter.change(next);
        EXPECT_NE(panel.firstLine(), "(closed)") << second;
    }
    EXPECT_TRUE(QTest::qWaitFor([&stalled] { return stalled.heard().find("(closed)") != std::string::npos; }));
}

// A client that sends nothing or garbage ends only its own connection, each in
// its time; the next client is answered at once, while the silent one still waits.
TEST_F(ControlChannelTest, GarbageAndSilentClientsNeitherDisturbTheMeterNorBlockTheNextClient)
{
    RawClient silent(socketPath), flood(socketPath), nonsense(socketPath), unknown(socketPath);
    ASSERT_TRUE(silent.connected() && flood.connected() && nonsense.connected() && unknown.connected());
    flood.say(std::string(4096, 'x'));
    nonsense.say(std::string("\x01\xff status\n", 10));
    unknown.say("frobnicate\n");

    EXPECT_EQ(exchange("status", ControlClient::Outcome::Answered), std::vector<std::string>{RunningLine});
    EXPECT_EQ(silent.heard(), "") << "still given its time";
    EXPECT_EQ(nonsense.heard(), "error unknown request\n");
    EXPECT_TRUE(QTest::qWaitFor([&unknown] { return unknown.heard() == "error unknown request\n"; }));
    EXPECT_TRUE(QTest::qWaitFor([&flood] { return flood.heard().find("error unknown request") == 0; }));
    EXPECT_TRUE(QTest::qWaitFor([&silent] { return silent.heard() == "(closed)"; }, 5000)) << "until its time is up";
    EXPECT_TRUE(meter.performed.empty());
}

// The socket is the user's alone; should its folder let another user through,
// that user's requests are still not carried out.
TEST_F(ControlChannelTest, TheSocketIsTheUsersOwnAndAnotherUsersRequestIsNotObeyed)
{
    struct stat info
    {};
    ASSERT_EQ(::stat(socketPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can play another user";
    ::chmod(runtime.path().c_str(), 0711);
    ::chmod(socketPath.c_str(), 0666);
    const pid_t other = ::fork();
    if (other == 0) {
        // Nothing but system calls here: the child shares the test's threads' locks.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        RawClient client(socketPath);
        client.say("start\n");
        ::sleep(1);
        ::_exit(client.connected() ? 0 : 3);
    }
    int status = -1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return ::waitpid(other, &status, WNOHANG) == other; }, 5000));
    EXPECT_EQ(status, 0) << "the other user reached the socket";
    QTest::qWait(50);
    EXPECT_TRUE(meter.performed.empty());
}

// The answer comes first; the command runs after, since it may open a modal box.
TEST_F(ControlChannelTest, CommandsAreAnsweredOkThenCarriedOutAndStatusComesAsJsonToo)
{
    EXPECT_EQ(exchange("toggle", ControlClient::Outcome::Answered), std::vector<std::string>{"ok"});
    EXPECT_TRUE(QTest::qWaitFor([this] { return !meter.performed.empty(); }));
    EXPECT_EQ(meter.performed, std::vector<RemoteCommand>{RemoteCommand::Toggle});
    EXPECT_EQ(exchange("status json", ControlClient::Outcome::Answered),
              std::vector<std::string>{statusJson(Running, meter.dayFigures)});
}

// A watcher gets the line at once, again at every change, and the end of the channel when the program ends.
TEST_F(ControlChannelTest, AWatcherHearsEachChangeUntilTheProgramEnds)
{
    RawClient watcher(socketPath), stubborn(socketPath);
    watcher.say("watch\n");
    stubborn.say("watch json\n");
    EXPECT_TRUE(QTest::qWaitFor([&watcher] { return watcher.heard() == RunningLine + "\n"; }));
    EXPECT_TRUE(QTest::qWaitFor([&stubborn] { return !stubborn.heard().empty(); }));
    stubborn.say("more\n"); // a watcher that talks on is let go
    EXPECT_TRUE(QTest::qWaitFor([&stubborn] { return stubborn.heard() == "(closed)"; }));

    MeterStatus paused = Running;
    paused.phase = Phase::Paused;
    meter.change(paused);
    EXPECT_EQ(watcher.heard(), "Paused 00:00:07 $0.07 ($36.00/hr), today $253.18 in 6:02:11\n");
    server.reset();
    EXPECT_EQ(watcher.heard(), "(closed)");
    EXPECT_EQ(exchange("status", ControlClient::Outcome::NotRunning), std::vector<std::string>{});
}

// A copy that takes the connection but never answers (stopped, or stuck) is told apart from none.
TEST(ControlClient, ACopyThatDoesNotAnswerInTimeIsNoAnswerAndNoSocketIsNotRunning)
{
    TempFolder runtime;
    const int listener = socketAt(runtime / "stuck.sock", true);
    ASSERT_GE(listener, 0);
    const auto ignore = [](const std::string&) {
        return true;
    };
    EXPECT_EQ(ControlClient(runtime / "stuck.sock", std::chrono::milliseconds(200)).exchange("status", ignore),
              ControlClient::Outcome::NoAnswer);
    ::close(listener);
    EXPECT_EQ(ControlClient(runtime / "stuck.sock").exchange("status", ignore), ControlClient::Outcome::NotRunning);
    EXPECT_EQ(ControlClient(runtime / "none.sock").exchange("status", ignore), ControlClient::Outcome::NotRunning);
}
} // namespace
