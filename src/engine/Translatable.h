#pragma once

// Marks English words that the desktop program shows in the reader's language,
// where they are written: the translation tools gather them from here as they
// gather Qt's own markers (lupdate reads `translatable` as QT_TRANSLATE_NOOP),
// and to the program they are the English text. `context` is where the
// translation is looked up.
constexpr const char* translatable(const char* /*context*/, const char* text)
{
    return text;
}
