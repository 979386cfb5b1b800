#pragma once

#include "catalog/ngcobject.h"
#include "image/dibimage.h"

#include <array>
#include <memory>
#include <mutex>
#include <string>

class MessageSink;

// The five NGC symbol images, one slot per type, loaded on demand and kept for the run.
class TypeImageCache {
public:
    static constexpr int kSlots = 5;
    // "images/Galaxy.bmp" ... "images/DiffuseNebular.bmp", in type order.
    static const char* const kFileNames[kSlots];

    // Loads every slot not tried yet (in type order, reporting each failure once: the sky
    // asks for every object on every paint, so a missing file would otherwise raise a
    // message box per object), then returns the slot of the type; null when that image did
    // not load. Types above 3 share slot 4.
    const DibImage* Get(NgcType type, const std::string& moduleDir, MessageSink& sink);

private:
    std::mutex mutex_;
    std::array<std::unique_ptr<DibImage>, kSlots> slots_;
    std::array<bool, kSlots> tried_{};
};

// The symbol image of the object's type from the process-wide cache; moduleDir is the
// directory holding images/. The caller does not free the result.
const DibImage* TypeImage(const NgcObject& object, const std::string& moduleDir,
                          MessageSink& sink);
