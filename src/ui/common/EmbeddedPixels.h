#pragma once

#include <QImage>

#include <cstdint>

// A picture compiled into the program as premultiplied ARGB32 pixels (see
// src/ui/resources/EmbedPixels.cpp); turning it into an image reads no file.
struct EmbeddedPixels
{
    int width;
    int height;
    const std::uint32_t* argb;

    // Shares the compiled pixels; they live as long as the program.
    QImage image() const
    {
        return QImage(reinterpret_cast<const uchar*>(argb), width, height, QImage::Format_ARGB32_Premultiplied);
    }
};
