#include "ui/common/EngineWords.h"

#include <QCoreApplication>

namespace {

// Listed here so that the translators' tools find them; the engine stays free of Qt.
[[maybe_unused]] constexpr const char* Texts[] = {
    QT_TRANSLATE_NOOP("Engine", "Do you want to reset the timer to zero?"),
    QT_TRANSLATE_NOOP("Engine", "Reset Earnmeter"),
    //: The main window's caption while paused.
    QT_TRANSLATE_NOOP("Engine", "PAUSED (Earnmeter)"),
    //: The advanced window's caption while paused.
    QT_TRANSLATE_NOOP("Engine", "Earnmeter (PAUSED)"),
};

} // namespace

QString engineWords(const std::string& english)
{
    return QCoreApplication::translate("Engine", english.c_str());
}
