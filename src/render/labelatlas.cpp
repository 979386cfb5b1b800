#include "render/labelatlas.h"

bool LabelAtlas::EnsureTexture()
{
    if (texture_ != 0)
        return true;
    glGenTextures(1, &texture_);
    if (texture_ == 0)
        return false;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, kWidth, kHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 nullptr);
    return true;
}

int LabelAtlas::Add(const std::uint8_t* pixels, int width, int height, GLenum format,
                    int alignment)
{
    if (width <= 0 || height <= 0 || width > kWidth || !EnsureTexture())
        return -1;
    if (penX_ + width > kWidth) {
        penX_ = 0;
        penY_ += rowHeight_ + 1;
        rowHeight_ = 0;
    }
    if (penY_ + height > kHeight)
        return -1;
    Slot slot{penX_, penY_, width, height};
    penX_ += width + 1;  // a texel of space: nearest sampling never reaches a neighbour
    if (height > rowHeight_)
        rowHeight_ = height;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexSubImage2D(GL_TEXTURE_2D, 0, slot.x, slot.y, width, height, format, GL_UNSIGNED_BYTE,
                    pixels);
    glBindTexture(GL_TEXTURE_2D, 0);
    slots_.push_back(slot);
    return int(slots_.size()) - 1;
}

void LabelAtlas::Queue(int slot, double x, double y)
{
    const Slot& s = slots_[slot];
    QueueRows(slot, 0, s.height, x, y);
}

void LabelAtlas::QueueRows(int slot, int rowOffset, int rows, double x, double y)
{
    const Slot& s = slots_[slot];
    const float x0 = float(x), y0 = float(y);
    const float x1 = float(x + s.width * scale_), y1 = float(y + rows * scale_);
    const float u0 = float(s.x) / kWidth, u1 = float(s.x + s.width) / kWidth;
    const float v0 = float(s.y + rowOffset) / kHeight;
    const float v1 = float(s.y + rowOffset + rows) / kHeight;
    vertices_.insert(vertices_.end(), {x0, y0, x1, y0, x1, y1, x0, y1});
    texCoords_.insert(texCoords_.end(), {u0, v0, u1, v0, u1, v1, u0, v1});
}

void LabelAtlas::Flush(const int viewport[4])
{
    if (vertices_.empty() || texture_ == 0) {
        vertices_.clear();
        texCoords_.clear();
        return;
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(viewport[0], viewport[0] + viewport[2], viewport[1], viewport[1] + viewport[3],
            -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, vertices_.data());
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords_.data());
    glDrawArrays(GL_QUADS, 0, GLsizei(vertices_.size() / 2));
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    vertices_.clear();
    texCoords_.clear();
}

void LabelAtlas::Release()
{
    if (texture_ != 0)
        glDeleteTextures(1, &texture_);
    texture_ = 0;
    slots_.clear();
    penX_ = penY_ = rowHeight_ = 0;
}
