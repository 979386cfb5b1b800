#include "fuzz/dibimagefuzz.h"

#include "image/dibimage.h"
#include "image/messagesink.h"

#include <cstdlib>

int FuzzDibImage(const std::uint8_t* data, std::size_t size)
{
    SilentMessageSink sink;
    std::unique_ptr<DibImage> image = DecodeDibImage(data, size, sink);
    if (!image)
        return 0;
    // A decoded picture must be whole.
    if (image->width <= 0 || image->height <= 0 ||
        image->pixels.size() != static_cast<std::size_t>(image->width) * image->height * 3)
        std::abort();
    return 1;
}
