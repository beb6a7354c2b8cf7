// Any bytes as a book page: read and laid out, or refused with the Polish page or file error.
#include "books/bookpage.h"
#include "books/bookstyles.h"
#include "books/pagelayout.h"
#include "document/errors.h"
#include "fuzzqt.h"

#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = scratchFolder() + "/100.xml";
    writeFile(path, data, size);
    try {
        const BookPage page = ReadBookPage(QString::fromStdString(path));
        LayOutPage(page, TextStyleSheet());
    } catch (const BookFormatError &) {
    } catch (const FileError &) {
    }
    return 0;
}
