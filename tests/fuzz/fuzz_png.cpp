// Any bytes as a PNG picture: decoded, or refused with the Polish PNG error.
#include "fuzzqt.h"
#include "render/pngfile.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const QImage img = LoadPngBitmapFromMemory(bytes, 72, 72);
        if (img.width() != 72 || img.height() != 72)
            __builtin_trap();
    } catch (const PictureError &) {
    }
    return 0;
}
