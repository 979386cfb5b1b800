#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a small night sky over a dark horizon with a crescent Moon and stars,
// drawn square at size x size pixels.
QImage PaintKosmiraIcon(int size);

// The icon at 16, 24, 32, 48, 64, 128 and 256 pixels.
QIcon KosmiraIcon();
