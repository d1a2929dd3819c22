#include "dialogs/thumbsizeentry.h"

namespace {
constexpr int MinThumbSize = 20;
constexpr int MaxThumbSize = 150;

bool inThumbRange(int value)
{
    return value >= MinThumbSize && value <= MaxThumbSize;
}
} // namespace

bool digitKeyPasses(const QString &keyText, int heldLength, int maxLength)
{
    if (keyText == QLatin1String("\b") || keyText == QLatin1String("\r"))
        return true;
    if (maxLength > 0 && heldLength >= maxLength)
        return false;
    return keyText.size() == 1 && keyText[0] >= QLatin1Char('0') && keyText[0] <= QLatin1Char('9');
}

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString conversionErrorText(const QString &text)
{
    return QStringLiteral("'%1' is not a valid whole number").arg(text);
}

ThumbSizeReading readThumbSize(const QString &widthText, const QString &heightText)
{
    const std::optional<int> width = wholeNumber(widthText);
    if (!width)
        return {std::nullopt, conversionErrorText(widthText)};
    const std::optional<int> height = wholeNumber(heightText);
    if (!height)
        return {std::nullopt, conversionErrorText(heightText)};
    if (!inThumbRange(*width) || !inThumbRange(*height))
        return {std::nullopt, QStringLiteral("Image Width Value Must Be In Range 20 To 150")};
    return {QSize(*width, *height), {}};
}
