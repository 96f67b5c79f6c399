#include "platform/ControlServer.h"

#include "TempFolder.h"
#include "fakes/FakeMeter.h"

#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const MeterStatus Running{Phase::Running, 7, Currency::fromUnits(700), Currency::fromUnits(360'000), false};
const std::string RunningLine = "Running 00:00:07 $0.07 ($36.00/hr), today $253.18 in 6:02:11\n";

// A raw client that says what a test wants, or nothing.
class RawClient
{
public:
    explicit RawClient(const std::string& path) : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~RawClient() { ::close(m_fd); }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return m_fd >= 0; }
    RawClient& say(const std::string& text)
    {
        ::send(m_fd, text.data(), text.size(), MSG_NOSIGNAL);
        return *this;
    }
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
    EXPECT_NE(panel.say("watch\n").firstLine(), "busy\n");
    RawClient stalled(socketPath);
    EXPECT_NE(stalled.say("watch\n").firstLine(), "busy\n");
    EXPECT_EQ(RawClient(socketPath).say("watch\n").firstLine(), "busy\n") << "a third watcher";
    EXPECT_EQ(RawClient(socketPath).say("status\n").firstLine(), RunningLine) << "a request beside the watchers";
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
    RawClient silent(socketPath), nonsense(socketPath);
    ASSERT_TRUE(silent.connected() && nonsense.connected());
    nonsense.say(std::string("\x01\xff status\n", 10));
    EXPECT_EQ(RawClient(socketPath).say("status\n").firstLine(), RunningLine);
    EXPECT_EQ(silent.heard(), "") << "still given its time";
    EXPECT_TRUE(QTest::qWaitFor([&nonsense] { return nonsense.heard() == "error unknown request\n"; }));
    EXPECT_TRUE(QTest::qWaitFor([&silent] { return silent.heard() == "(closed)"; }, 5000)) << "until its time is up";
    EXPECT_TRUE(meter.performed.empty());
}

// The socket is the user's alone; should its folder let another user through,
// that user's requests are still not carried out.
TEST_F(ControlChannelTest, TheSocketIsTheUsersOwnAndAnotherUsersRequestIsNotObeyed)
{
    EXPECT_EQ(std::filesystem::status(socketPath).permissions(), std::filesystem::perms(0600));
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
} // namespace
