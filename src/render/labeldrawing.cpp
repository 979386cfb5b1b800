#include "render/labeldrawing.h"

#include "astro/math/vector3.h"
#include "image/textbitmap.h"

#include <GL/gl.h>

void DrawLabelBitmap(const TextBitmap& label, const Vector3& point)
{
    DrawLabelBitmap(label, point.x, point.y, point.z);
}

void DrawLabelBitmap(const TextBitmap& label, double x, double y, double z)
{
    if (label.Width() <= 0 || label.Height() <= 0)
        return;
    glRasterPos3d(x, y, z);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glDrawPixels(label.Width(), label.Height(), GL_BGR, GL_UNSIGNED_BYTE, label.Data());
}
