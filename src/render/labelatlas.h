#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

// Pictures drawn at points (text labels, symbols, name bands) packed once into one texture of
// the current context and drawn as textured squares, one batch per layer, at exactly the
// pixels glDrawPixels would cover: lower-left corner on the window position, one texel per
// pixel, nearest sampling, colours replaced (not tinted).
class LabelAtlas {
public:
    struct Slot {
        int x = 0;  // texel rectangle in the atlas
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // Room for every catalog label, name band and per-paint label about twice over.
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 1024;

    LabelAtlas() = default;
    LabelAtlas(const LabelAtlas&) = delete;
    LabelAtlas& operator=(const LabelAtlas&) = delete;

    // Copies a picture of bottom-up rows into the atlas: format GL_BGR or GL_RGB, rows
    // aligned to `alignment` bytes. Returns the slot index, or -1 when it does not fit.
    int Add(const std::uint8_t* pixels, int width, int height, GLenum format, int alignment);
    const Slot& At(int slot) const { return slots_[slot]; }

    // Queues slot `slot` (or the sub-rectangle starting `rowOffset` rows up with `rows`
    // rows) with its lower-left corner at window position (x, y).
    void Queue(int slot, double x, double y);
    void QueueRows(int slot, int rowOffset, int rows, double x, double y);
    // Screen pixels per label pixel (the device pixel ratio, so that labels keep their
    // on-screen size on high-density screens); 1 unless set.
    void SetScale(double scale) { scale_ = scale > 0.0 ? scale : 1.0; }
    // Draws the queued squares in one batch with the given viewport, then empties the queue.
    // Leaves texturing off and the matrices as they were.
    void Flush(const int viewport[4]);

    // Frees the texture; the context must be current.
    void Release();

private:
    bool EnsureTexture();

    GLuint texture_ = 0;
    std::vector<Slot> slots_;
    int penX_ = 0;
    int penY_ = 0;
    int rowHeight_ = 0;
    std::vector<float> vertices_;   // x, y per corner
    std::vector<float> texCoords_;  // u, v per corner
    double scale_ = 1.0;
};
