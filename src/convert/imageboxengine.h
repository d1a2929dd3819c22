// The conversion engine over an image control: it reads with the control's
// load and writes with its Save...File operations.
#pragma once

#include "convert/conversionwalk.h"

class TImageBox;

class ImageBoxEngine : public ConversionEngine
{
public:
    explicit ImageBoxEngine(TImageBox &box) : m_box(box) {}
    LoadResult load(const QString &path) override;
    bool write(SaveKind kind, const QString &path) override;

private:
    TImageBox &m_box;
};
