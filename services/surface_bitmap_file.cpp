// Saving the selected surface as a 24-bit bitmap file.
#include <cstdint>

#include "bmp_encoder.h"
#include "replace_file.h"
#include "surface.h"
#include "surface_state.h"

bool SaveSurfaceBitmap(const std::string& fileName) {
    const Surface* surface = CurrentSurface();
    if (fileName.empty() || surface == nullptr) return false;
    const QImage& picture = surface->picture;
    const std::vector<std::uint8_t> bytes =
        EncodeBmp24(reinterpret_cast<const std::uint32_t*>(picture.constBits()), picture.width(),
                    picture.height(), static_cast<int>(picture.bytesPerLine()));
    // Written beside the old picture and moved into place: a failed save
    // keeps the old picture and leaves no part of the new one.
    return ReplaceFileWhole(fileName, bytes).error == 0;
}
