#pragma once

#include "engine/RowName.h"
#include "fakes/FakePrompt.h"
#include "fakes/ManualClock.h"
#include "fakes/RecordingClipboard.h"
#include "help/FakeProgramFacts.h"
#include "help/RecordingShellOpen.h"
#include "host/Host.h"
#include "platform/FakeTrayIcon.h"
#include "platform/tray/SysTray.h"
#include "storage/FakeFileSystem.h"
#include "ui/advanced/AdvancedWindow.h"
#include "ui/main/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Files in memory whose writes can be made to fail and then to work again.
class SwitchableFiles final : public FileSystem
{
public:
    ReadResult readFile(const std::string& path) override { return memory.readFile(path); }
    WriteResult writeFile(const std::string& path, std::string_view content) override
    {
        ++writes;
        if (const auto failure = m_failures.find(path); failure != m_failures.end())
            return WriteResult::Failed(failure->second);
        return memory.writeFile(path, content);
    }

    void failWrites(const std::string& path, std::string reason) { m_failures[path] = std::move(reason); }
    void heal(const std::string& path) { m_failures.erase(path); }

    FakeFileSystem memory;
    int writes = 0; // attempts, failed ones included

private:
    std::map<std::string, std::string> m_failures;
};

// A fake prompt that also lets a test act while a message is up, as the
// desktop may while a modal box waits.
class WatchedPrompt final : public Prompt
{
public:
    Answer ask(const Message& message) override
    {
        if (whileAsked)
            whileAsked(message);
        return answers.ask(message);
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> texts;
        for (const Message& message : answers.asked())
            texts.push_back(message.text);
        return texts;
    }

    FakePrompt answers;
    std::function<void(const Message&)> whileAsked;
};

// Everything the host reaches the world through, as stand-ins: a second passes
// only when a test advances the clock, and the process "ends" by counting.
struct HostWorld
{
    HostServices services(FileSystem& files, const std::string& folder)
    {
        return {prompt,
                clipboard,
                shell,
                facts,
                files,
                mainTick,
                advancedTick,
                blinkTick,
                folder,
                facts.programFolder,
                [this] { return std::make_unique<SysTray>(std::make_unique<FakeTrayIcon>(panel), "Earnmeter"); },
                [this] {
                    ++quitCalls;
                }};
    }

    ManualClock clock;
    ManualTicker& mainTick = clock.addTicker();
    ManualTicker& advancedTick = clock.addTicker();
    ManualTicker& blinkTick = clock.addTicker();
    WatchedPrompt prompt;
    RecordingClipboard clipboard;
    RecordingShellOpen shell;
    FakeProgramFacts facts;
    TrayPanel panel;
    int quitCalls = 0;
};

// A host over files in memory, in the folder an installed copy would use.
class HostFixture : public testing::Test, protected HostWorld
{
public:
    static constexpr const char* Folder = "/home/user/.local/share/Earnmeter";
    static constexpr const char* DefaultConfig = "\"v2.5\",6.75,45.5,0,0,-1\r\n";
    static constexpr const char* DefaultSaved = "4425,3930,4425,2625\r\n";
    static constexpr const char* Missing = "(missing)";

protected:
    static std::string path(std::string_view name) { return PathInFolder(Folder, name); }
    void put(std::string_view name, std::string content) { files.memory.put(path(name), std::move(content)); }
    std::string file(std::string_view name) const
    {
        return files.memory.exists(path(name)) ? files.memory.content(path(name)) : Missing;
    }

    // The three files as an earlier run left them.
    void putFiles(std::string config, std::string saved = DefaultSaved, std::string prev = "0\r\n")
    {
        put("Config.ewg", std::move(config));
        put("Saved.ewg", std::move(saved));
        put("Prev.ewg", std::move(prev));
    }

    // An ordinary start-up: the files are there and nothing is asked.
    void startWith(std::string config = DefaultConfig, std::string saved = DefaultSaved, std::string prev = "0\r\n")
    {
        putFiles(std::move(config), std::move(saved), std::move(prev));
        ASSERT_TRUE(host.start());
    }

    // Starts the simple window's run at a rate of a dollar a second.
    void startEarningADollarASecond()
    {
        host.state().HourlyWage = Currency::FromUnits(3600 * Currency::UnitsPerDollar);
        host.runTimer().EditWageEntry(WindowId::Main, "3600");
        ASSERT_TRUE(host.runTimer().Start(WindowId::Main));
    }

    void tick(int seconds = 1) { clock.advanceSeconds(seconds); }

    template <typename T = QWidget> static T& control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            throw std::runtime_error(std::string("no ") + name + " in " + window.objectName().toStdString());
        return *found;
    }
    static std::string text(QWidget& window, const char* name)
    {
        if (auto* label = window.findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text().toStdString();
        return control<QAbstractButton>(window, name).text().toStdString();
    }

    SwitchableFiles files;
    Host host{services(files, Folder)};
};
