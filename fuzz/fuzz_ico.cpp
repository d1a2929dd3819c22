// libFuzzer harness for the icon loader: every entry's header read, the
// preferred readable entry decoded and read back.
#include "imaging/picture/iconimage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const auto icon = IconImage::load(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), &error);
    if (icon && !icon->image().isNull())
        (void)icon->image().pixel(0, 0);
    return 0;
}
