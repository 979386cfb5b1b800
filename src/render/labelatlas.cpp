#include "render/labelatlas.h"
#include "image/nightvision.h"

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
    texels_.assign(std::size_t(kWidth) * kHeight * 3, 0);
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
    // Keep the picture's own colours as RGB rows; the texture gets them, mapped at night.
    const std::size_t stride = (std::size_t(width) * 3 + alignment - 1) / alignment * alignment;
    const bool bgr = format == GL_BGR;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* in = pixels + stride * row;
        std::uint8_t* out = &texels_[(std::size_t(slot.y + row) * kWidth + slot.x) * 3];
        for (int x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = bgr ? in[2] : in[0];
            out[1] = in[1];
            out[2] = bgr ? in[0] : in[2];
        }
    }
    Upload(slot.x, slot.y, width, height);
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

void LabelAtlas::Upload(int x, int y, int width, int height)
{
    std::vector<std::uint8_t> region(std::size_t(width) * height * 3);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* in = &texels_[(std::size_t(y + row) * kWidth + x) * 3];
        std::uint8_t* out = &region[std::size_t(row) * width * 3];
        for (int i = 0; i < width; ++i, in += 3, out += 3) {
            if (night_) {
                out[0] = std::uint8_t(qRed(NightVision::Map(qRgb(in[0], in[1], in[2]))));
                out[1] = out[2] = 0;
            } else {
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
            }
        }
    }
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, region.data());
    glBindTexture(GL_TEXTURE_2D, 0);
}

void LabelAtlas::SetNight(bool night)
{
    if (night == night_)
        return;
    night_ = night;
    if (texture_ != 0)
        Upload(0, 0, kWidth, kHeight);
}

void LabelAtlas::Release()
{
    if (texture_ != 0)
        glDeleteTextures(1, &texture_);
    texture_ = 0;
    texels_.clear();
    slots_.clear();
    penX_ = penY_ = rowHeight_ = 0;
}
