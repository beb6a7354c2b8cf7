// Any bytes as the reference store: the first byte says where "E.bt" ends and "D.bb" begins.
// Every PictoList number must read a picture or give the store's own error.
#include "fuzzqt.h"
#include "reference/picturestore.h"

#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t split = std::min<size_t>(size - 1, size_t(data[0]) * 64);
    const std::string folder = scratchFolder();
    writeFile(folder + "/E.bt", data + 1, split);
    writeFile(folder + "/D.bb", data + 1 + split, size - 1 - split);
    const QString qfolder = QString::fromStdString(folder);
    for (int number : {7, 1359, 0, 1}) {
        QString name;
        try {
            ReadReferencePicto(qfolder, number, name);
        } catch (const ReferenceError &) {
        }
    }
    return 0;
}
