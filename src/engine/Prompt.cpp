#include "engine/Prompt.h"

#include <cctype>

std::string filledText(const Message& message)
{
    // One pass, so that a value holding "%1" (a typed wage may) stays as it is.
    const std::string& text = message.text;
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool marker =
            text[i] == '%' && i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]));
        const std::size_t index = marker ? static_cast<std::size_t>(text[i + 1] - '1') : message.values.size();
        if (index < message.values.size()) {
            filled += message.values[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
