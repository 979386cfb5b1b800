#include "fuzz/gzcatalogfuzz.h"

#include "catalog/catalogchecks.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "fuzz/cataloglinesfuzz.h"
#include "image/textbitmap.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Rendering a label costs far more than parsing; a few per input cover the label path.
constexpr std::size_t kLabelledLines = 4;

// One folder for the whole run, in the system's temporary directory, removed at exit.
const std::string& TemporaryFolder()
{
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kosmira-fuzz-gz-XXXXXX"));
    static const std::string folder = [] {
        if (!dir.isValid())
            std::abort();
        return dir.path().toStdString();
    }();
    return folder;
}

}  // namespace

std::size_t FuzzGzCatalog(const std::uint8_t* data, std::size_t size)
{
    const std::string plain = TemporaryFolder() + "/catalog.dat";
    const std::string compressed = plain + ".gz";
    std::remove(plain.c_str());
    std::FILE* out = std::fopen(compressed.c_str(), "wb");
    if (!out)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size)
        std::abort();
    std::fclose(out);

    CatalogFile file;
    if (!file.ReadLines(plain))
        return 0;
    if (!file.Compressed() || file.Length() == 0 || file.Length() > (64u << 20))
        std::abort();

    // The whole content once more through the line parsers and the geometry.
    std::string joined;
    for (std::size_t i = 0; i < file.LineCount(); ++i) {
        joined += file.Line(i);
        joined += '\n';
    }
    FuzzCatalogLines(reinterpret_cast<const std::uint8_t*>(joined.data()), joined.size());

    for (std::size_t i = 0; i < file.LineCount() && i < kLabelledLines; ++i) {
        const char* line = file.Line(i);
        const StarName name = ParseStarNameLine(line);
        // The label the rendering side makes from the name.
        const TextBitmap label(name.name, 0xffffff, 0);
        if (name.name.size() > kMaxNameBytes || label.Width() > TextBitmap::kMaxWidth ||
            label.Height() > TextBitmap::kMaxHeight ||
            label.DataSize() != static_cast<std::uint32_t>(label.Stride() * label.Height()))
            std::abort();
        ParseMessierLine(line, static_cast<std::int32_t>(i + 1));
    }
    return file.LineCount();
}
