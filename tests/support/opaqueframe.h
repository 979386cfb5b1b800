#pragma once

#include <QImage>

// Pixels of an RGB32 frame whose word does not start with alpha 0xff. A GL view's frame is
// read back into such words as they are, so a scene that lets the colour buffer's alpha fall
// below 1 shows up here (QImage::pixel() hides it: it reports RGB32 pixels as opaque).
inline int NonOpaqueWords(const QImage& frame)
{
    int n = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            n += qAlpha(row[x]) != 0xff;
    }
    return n;
}
