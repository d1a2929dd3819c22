// The settings of `pximg convert` and running it.
#pragma once

#include "imaging/imagelibrary.h"

#include <QString>
#include <QStringList>

struct ConvertCommand
{
    QString input;
    QString output;
    imagelib::FileFormat format = imagelib::FileFormat::Png;
    int depth = 24;
    bool grey = false;
    bool dither = false;
    int quality = 75;
    int smoothing = 0;
    imagelib::TiffCompression compression = imagelib::TiffCompression::None;
    bool interlace = false;

    // Fills the settings from the words after "convert"; false with a reason
    // in *error for a word it does not know.
    bool parse(const QStringList &words, QString *error);
    imagelib::Result run() const;
};
