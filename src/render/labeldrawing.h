#pragma once

class TextBitmap;
struct Vector3;

// Draws a label bitmap with its lower-left corner at the projection of the point (a
// direction in the current model-view frame): raster position, then glDrawPixels of GL_BGR
// bytes at unpack alignment 4. OpenGL drops the whole label when the point is outside the
// view; an empty label draws nothing. The context must be current.
void DrawLabelBitmap(const TextBitmap& label, const Vector3& point);
void DrawLabelBitmap(const TextBitmap& label, double x, double y, double z);
