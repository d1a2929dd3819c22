#include "pximgrender.h"

#include "imaging/picture/picture.h"

#include <QImage>
#include <QRegularExpression>
#include <cstdio>

namespace {

constexpr int MaxSide = 16384;

int failWith(const QString &text)
{
    std::fprintf(stderr, "pximg render: %s\n", qPrintable(text));
    return 1;
}

bool parseSize(const QString &text, QSize &size)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return size.width() >= 1 && size.height() >= 1 && size.width() <= MaxSide && size.height() <= MaxSide;
}

} // namespace

int runRenderCommand(const QStringList &arguments)
{
    QStringList files;
    QSize size;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--size")) {
            if (i + 1 >= arguments.size() || !parseSize(arguments[i + 1], size))
                return failWith(QStringLiteral("--size wants WxH, each from 1 to %1").arg(MaxSide));
            ++i;
        } else {
            files.append(arguments[i]);
        }
    }
    if (files.size() != 2)
        return failWith(QStringLiteral("usage: pximg render IN OUT.png --size WxH"));
    Picture picture;
    QString error;
    if (!picture.load(files[0], &error))
        return failWith(QStringLiteral("%1: %2").arg(files[0], error));
    if (!size.isValid())
        size = picture.size().boundedTo(QSize(MaxSide, MaxSide));
    const QImage image = picture.render(size);
    if (image.isNull() || !image.save(files[1], "PNG"))
        return failWith(QStringLiteral("%1: cannot write the PNG file").arg(files[1]));
    return 0;
}
