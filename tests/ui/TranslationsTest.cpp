#include "host/HostFixture.h"

#include "engine/WageEntry.h"
#include "host/DayWords.h"
#include "host/Messages.h"
#include "host/WorkingDayHost.h"
#include "storage/PreferenceKeys.h"
#include "ui/common/EngineWords.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QtWidgets>

#include <map>
#include <set>
#include <span>

namespace {

// English first, as written in the code, then each translation.
const char* const Written[] = {"", "de", "fr", "es", "pt_BR", "zh_CN"};

// Every (context, source text, translation) a translation file holds.
struct TsEntry
{
    QString context, source, translation;
    bool unfinished = false;
};

std::vector<TsEntry> readTs(const char* language)
{
    QFile file(QStringLiteral(EARNMETER_TRANSLATIONS_DIR "/earnmeter_%1.ts").arg(QLatin1String(language)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << language;
    QXmlStreamReader xml(&file);
    std::vector<TsEntry> entries;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            entries.emplace_back().context = context;
        else if (xml.name() == u"source")
            entries.back().source = xml.readElementText();
        else if (xml.name() == u"translation") {
            entries.back().unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << language << ": " << xml.errorString().toStdString();
    return entries;
}

// A language built into the program, for as long as it lives; English, as written in the code, for "".
struct Translated
{
    explicit Translated(const char* language)
    {
        EXPECT_TRUE(!*language || translator.load(QStringLiteral(EARNMETER_QM_DIR "/earnmeter_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
    }
    ~Translated() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
};

// Each text the translators were given, wrapped, so that a text that never went
// through a translation shows in plain English. What fills a placeholder stays
// outside the wrapping ("[!!Saved in !!]%1[!!.!!]"), so that it is judged too.
class PseudoTranslator final : public QTranslator
{
public:
    PseudoTranslator()
    {
        for (const TsEntry& entry : readTs("de"))
            m_sources.emplace(entry.context, entry.source);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (!m_sources.contains({QString::fromUtf8(context), QString::fromUtf8(source)}))
            return {};
        static const QRegularExpression placeholder(QStringLiteral("%L?[0-9]+|%n"));
        const QString text = QString::fromUtf8(source);
        QString wrapped;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
            wrapped += wrap(text.mid(from, match.capturedStart() - from)) + match.captured();
            from = match.capturedEnd();
        }
        return wrapped + wrap(text.mid(from));
    }

private:
    static QString wrap(const QString& text) { return text.isEmpty() ? text : "[!!" + text + "!!]"; }
    std::set<std::pair<QString, QString>> m_sources;
};

// The texts holding a word of three letters or more once the wrapped parts, the program's
// names, addresses and currency codes are taken out; Qt's own translations give OK and Cancel.
std::string untranslated(const QStringList& texts)
{
    // Innermost first: a translated text may hold others, filled in.
    static const QRegularExpression wrapped(QStringLiteral("\\[!!((?!\\[!!|!!\\]).)*!!\\]"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression kept(
        QStringLiteral("/\\S+|\\b[a-z]+(_[a-z]+)+\\b|\\S+\\.(conf|ewg|csv)\\b|Earnmeter|Dorvan "
                       "Quellis|Dorvan|DREAM|https?://\\S+|\\S+@\\S+|\\b[A-Z]{3}\\b"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QStringList plain;
    for (const QString& shown : texts) {
        QString text = shown;
        for (qsizetype length = -1; length != text.size();) {
            length = text.size();
            text.replace(wrapped, QStringLiteral(" "));
        }
        if (text.remove(kept).contains(word) && shown != "OK" && shown != "Cancel")
            plain << shown;
    }
    return plain.join(QLatin1Char('\n')).toStdString();
}

QStringList messageTexts(const Message& message)
{
    QStringList texts{QString::fromStdString(message.text), QString::fromStdString(message.caption)};
    for (const std::string& choice : message.choices)
        texts << QString::fromStdString(choice);
    return texts;
}

// Every text a window and what it holds show: captions, tips, spoken names, list entries, headers.
QStringList textsOf(QObject& root)
{
    QStringList texts;
    QList<QObject*> all = root.findChildren<QObject*>();
    all.prepend(&root);
    for (QObject* object : all) {
        for (const char* property : {"windowTitle", "toolTip", "accessibleName", "accessibleDescription", "text",
                                     "title", "placeholderText", "specialValueText", "suffix"})
            if (const QVariant value = object->property(property); value.metaType() == QMetaType::fromType<QString>())
                texts << value.toString();
        if (auto* combo = qobject_cast<QComboBox*>(object))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* table = qobject_cast<QTableWidget*>(object))
            for (int i = 0; i < table->columnCount(); ++i)
                texts << table->horizontalHeaderItem(i)->text();
    }
    return texts;
}

// The texts of the modal window `open` puts up, taken before it is closed.
template <typename Open> QStringList modalTexts(Open open)
{
    QStringList texts;
    QTimer::singleShot(0, qApp, [&texts] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            texts = textsOf(*modal);
            modal->close();
        }
    });
    open();
    return texts;
}

class PseudoTranslation : public testing::Test
{
protected:
    PseudoTranslation()
    {
        QCoreApplication::installTranslator(&translator);
        // Day and month names then come from the locale in other letters.
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    }
    ~PseudoTranslation() override
    {
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(QLocale::c());
    }
    PseudoTranslator translator;
};

TEST_F(PseudoTranslation, EveryWindowMenuTooltipAndAccessibleNameGoesThroughTheTranslations)
{
    HostWorld w;
    w.startWith();
    w.host.runTimer().editWageEntry(WindowId::Main, "36");
    w.host.runTimer().start(WindowId::Main);
    w.tick();
    std::map<std::string, QStringList> shown;
    shown["main window"] = textsOf(w.host.mainWindow());
    shown["tray menu and tip"] = textsOf(*w.panel.menu) << w.panel.tip;
    shown["preferences"] = textsOf(w.host.preferencesDialog());
    w.host.showHistory();
    shown["history"] = textsOf(w.host.historyWindow());
    shown["about"] = modalTexts([&] { w.host.showAbout(); });
    shown["options"] = modalTexts([&] { w.host.showOptions(); });
    w.host.runTimer().enterAdvanced();
    shown["advanced window"] = textsOf(w.host.advancedWindow());
    w.host.resetTimer();
    w.host.runTimer().editWageEntry(WindowId::Advanced, "1e400");
    w.host.runTimer().start(WindowId::Advanced);
    w.host.requestExit();
    for (const Message& message : w.prompt.asked())
        shown["messages"] << messageTexts(message);
    for (const auto& [where, texts] : shown) {
        EXPECT_GT(texts.size(), 3) << where;
        EXPECT_EQ(untranslated(texts), "") << where;
    }
    EXPECT_GE(w.prompt.asked().size(), 3u) << "the reset, the wage refused, the save question";
}

TEST_F(PseudoTranslation, MessagesNotificationsAndTipsGoThroughTheTranslations)
{
    // The key is the file's own word; what each key expects is worded by the file's reader.
    QStringList said = messageTexts(Messages::preferencesProblems({PreferenceProblem{}}));
    for (const PreferenceKey& key : preferenceKeys())
        said << messageTexts(Messages::preferencesProblems({{3, "a_key", "x", std::string(key.expected), "x"}}));
    WorkingDay impossible;
    impossible.start = ClockTime{600}, impossible.end = ClockTime{540};
    said << messageTexts(Messages::preferencesProblems(
        {{4, "work_end", "x", impossible.problem()->why, "x", impossible.problem()->value}}));
    for (const Message& message :
         {Messages::endOfFile("Prev.ewg"), Messages::updated(), Messages::configRecreated(),
          Messages::configDamaged("x", {"Minimum Wage", "DREAM Wage", "Minimize on Startup", "Startup in Advanced Mode",
                                        "Save Position on Exit"}),
          Messages::continueQuestion(60, QLocale().dayName(1).toStdString()), Messages::saveQuestion(),
          Messages::channelRefused("/tmp/a", "is a symbolic link", "/tmp/b", ""),
          Messages::channelRefused("/tmp/a", "belongs to another user", "", ""),
          Messages::channelRefused("/tmp/a", "is not a folder", "", ""),
          Messages::channelRefused("/tmp/a", "may be entered by other users", "", "")})
        said << messageTexts(message);
    for (auto moment : {DayStep::Moment::DayBegins, DayStep::Moment::BreakBegins, DayStep::Moment::BreakEnds,
                        DayStep::Moment::DayEnds})
        for (auto kind : {DayStep::Kind::StartMeter, DayStep::Kind::PauseMeter, DayStep::Kind::Tell})
            said << WorkingDayHost::said(DayStep{kind, "", moment, "09:00"});
    DayFigures day;
    day.endsIn = 60, day.goal = Currency::fromUnits(10000);
    said << DayWords::today(day.today, QStringLiteral("$1.00")) << DayWords::progress(day, QStringLiteral("$1.00"));
    EXPECT_EQ(untranslated(said), "");
}

// What the translators wrote keeps what the program fills in and the keys users press.
TEST(Translations, AreCompleteAndKeepEveryPlaceholderAndAccessKey)
{
    const auto placeholders = [](const QString& text) {
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        QStringList found;
        for (const auto& match : placeholder.globalMatch(text))
            found << match.captured();
        found.sort();
        return found;
    };
    const auto accessKey = [](QString text) {
        return text.replace(QStringLiteral("&&"), QString()).contains(u'&');
    };
    const std::size_t sources = readTs("de").size();
    for (const char* language : std::span(Written).subspan(1)) {
        const std::vector<TsEntry> entries = readTs(language);
        EXPECT_EQ(entries.size(), sources) << language;
        for (const TsEntry& e : entries) {
            const std::string where =
                std::string(language) + " " + e.context.toStdString() + ": " + e.source.toStdString();
            EXPECT_FALSE(e.unfinished || e.translation.isEmpty()) << where;
            EXPECT_EQ(placeholders(e.translation), placeholders(e.source)) << where;
            EXPECT_EQ(accessKey(e.translation), accessKey(e.source)) << where;
        }
    }
}

// The texts sharing the letter after their "&", among those of one menu or one window.
std::string duplicateKeys(const QStringList& texts)
{
    static const QRegularExpression key(QStringLiteral("&([^&\\s])"));
    std::map<QChar, QStringList> byKey;
    for (const QString& text : texts)
        if (const auto match = key.match(text); match.hasMatch())
            byKey[match.captured(1).at(0).toLower()] << text;
    QStringList duplicates;
    for (const auto& [letter, holders] : byKey)
        if (holders.size() > 1)
            duplicates << holders.join(QStringLiteral(" / "));
    return duplicates.join(QLatin1Char('\n')).toStdString();
}

// Captions, buttons and menu titles a window's access keys choose among.
QStringList keyedTexts(QWidget& window)
{
    QStringList texts;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(child); label && label->buddy())
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(child))
            texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(child))
            texts << box->title();
    }
    for (QMenu* menu : window.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        if (menu->objectName() != QLatin1String("mnuHidden"))
            texts << menu->title();
    return texts;
}

QStringList menuTexts(QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

TEST(Translations, EveryMenuAndWindowKeepsUniqueAccessKeysInEveryLanguage)
{
    for (const char* language : Written) {
        Translated translated(language);
        HostWorld w;
        w.startWith();
        w.host.runTimer().enterAdvanced();
        std::map<std::string, QStringList> keyed = {{"tray menu", menuTexts(*w.panel.menu)},
                                                    {"preferences", keyedTexts(w.host.preferencesDialog())}};
        for (QWidget* window : std::initializer_list<QWidget*>{&w.host.mainWindow(), &w.host.advancedWindow()}) {
            keyed[window->objectName().toStdString()] = keyedTexts(*window);
            for (QMenu* menu : window->findChildren<QMenu*>())
                keyed[menu->objectName().toStdString()] = menuTexts(*menu);
        }
        for (const auto& [where, texts] : keyed)
            EXPECT_EQ(duplicateKeys(texts), "") << language << " " << where;
    }
}

// A message's figures are written as the reader's locale writes them, its pay period named in the language.
TEST(Translations, MessagesWriteTheirAmountsAndPeriodsInTheReadersConvention)
{
    Translated german("de");
    const QString shown =
        engineWords(wageRefusedMessage("1e400", PayPeriod::Weekly), QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(shown.contains(u"höchstens 17.737.253.917.028,41 (Wöchentlich) ein"_qs) && shown.contains(u"1e400"_qs))
        << shown.toStdString();
}

} // namespace
