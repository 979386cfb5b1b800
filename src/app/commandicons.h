#pragma once

#include <QIcon>
#include <QImage>

// Size of a toolbar picture in device-independent pixels.
constexpr int kToolPictureWidth = 16;
constexpr int kToolPictureHeight = 15;

// The toolbar picture of a command (printer, the letters 동 서 남 북 천, the two magnifiers,
// the time and location pictures, the question mark), drawn at 1x, 1.5x, 2x and 3x so that it
// stays crisp on high-density screens. A null icon for commands without a picture.
QIcon CommandIcon(int commandId);

// One picture of CommandIcon at the given device pixel ratio (transparent background).
QImage PaintCommandPicture(int commandId, qreal scale);
