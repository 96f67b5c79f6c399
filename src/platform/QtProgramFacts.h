#pragma once

#include "help/ProgramFacts.h"

class QDateTime;
class QLocale;
class QSize;
class QString;

// The facts as the running program finds them: its own folder and executable,
// and the primary screen.
class QtProgramFacts final : public ProgramFacts
{
public:
    std::string folder() const override;
    ScreenSize screen() const override;
    std::optional<std::string> modifiedDate() const override;

    // A file's last change in the user's general date format (generalDate).
    static std::optional<std::string> fileModifiedDate(const QString& path);
    // The locale's short date with a four-digit year, a space, and its long
    // time without the time zone: "12/7/2026 10:16:05 AM" in the United States.
    static QString generalDate(const QDateTime& when, const QLocale& locale);
    // A screen's own pixels, whole, from its size in Qt's scaled units.
    static ScreenSize devicePixels(const QSize& logical, double ratio);
};
