#include "imaging/quantizer.h"

#include <QLoggingCategory>

#include <libimagequant.h>

#include <memory>
#include <vector>

Q_LOGGING_CATEGORY(lcQuantizer, "pixmoor.imaging.quantizer")

namespace imagelib {

namespace {

struct LiqDeleter
{
    void operator()(liq_attr *p) const { liq_attr_destroy(p); }
    void operator()(liq_image *p) const { liq_image_destroy(p); }
    void operator()(liq_result *p) const { liq_result_destroy(p); }
};

template<class T>
using LiqPointer = std::unique_ptr<T, LiqDeleter>;

std::vector<uchar *> rowPointers(QImage &image)
{
    std::vector<uchar *> rows(size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = image.scanLine(y);
    return rows;
}

} // namespace

QImage quantizeImage(const QImage &image, int maxColours, bool dither)
{
    QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    LiqPointer<liq_attr> attr(liq_attr_create());
    if (!attr || rgba.isNull() || liq_set_max_colors(attr.get(), maxColours) != LIQ_OK)
        return {};
    std::vector<uchar *> inputRows = rowPointers(rgba);
    LiqPointer<liq_image> input(liq_image_create_rgba_rows(
        attr.get(), reinterpret_cast<void **>(inputRows.data()), rgba.width(), rgba.height(), 0));
    liq_result *rawResult = nullptr;
    if (!input || liq_image_quantize(input.get(), attr.get(), &rawResult) != LIQ_OK) {
        qCWarning(lcQuantizer) << "quantisation failed for" << image.size();
        return {};
    }
    LiqPointer<liq_result> result(rawResult);
    liq_set_dithering_level(result.get(), dither ? 1.0f : 0.0f);
    QImage out(rgba.width(), rgba.height(), QImage::Format_Indexed8);
    if (out.isNull())
        return {};
    std::vector<uchar *> outputRows = rowPointers(out);
    if (liq_write_remapped_image_rows(result.get(), input.get(), outputRows.data()) != LIQ_OK)
        return {};
    const liq_palette *palette = liq_get_palette(result.get());
    QList<QRgb> table;
    for (unsigned i = 0; i < palette->count; ++i)
        table.append(qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
    out.setColorTable(table);
    return out;
}

} // namespace imagelib
