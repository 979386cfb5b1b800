#include "catalog/typeimagecache.h"

#include "catalog/loadcatalogs.h"

const char* const TypeImageCache::kFileNames[kSlots] = {
    "images/Galaxy.bmp",         "images/OpenNebular.bmp",   "images/GlobularNebular.bmp",
    "images/PlanetaryNebular.bmp", "images/DiffuseNebular.bmp",
};

const DibImage* TypeImageCache::Get(NgcType type, const std::string& moduleDir, MessageSink& sink)
{
    std::lock_guard<std::mutex> lock(mutex_);
    for (int slot = 0; slot < kSlots; ++slot) {
        if (tried_[slot])
            continue;
        tried_[slot] = true;
        slots_[slot] = LoadDibImage(JoinModulePath(moduleDir, kFileNames[slot]), sink);
    }
    const auto index = static_cast<std::int32_t>(type);
    const int slot = index >= 0 && index <= 3 ? index : 4;
    return slots_[slot].get();
}

const DibImage* TypeImage(const NgcObject& object, const std::string& moduleDir,
                          MessageSink& sink)
{
    static TypeImageCache cache;
    return cache.Get(object.type, moduleDir, sink);
}
