#include "platform/prompter.h"

QString buttonText(Prompter::Button button)
{
    switch (button) {
    case Prompter::Button::Ok: return QStringLiteral("OK");
    case Prompter::Button::Cancel: return QStringLiteral("Cancel");
    case Prompter::Button::Yes: return QStringLiteral("&Yes");
    case Prompter::Button::No: return QStringLiteral("&No");
    case Prompter::Button::YesToAll: return QStringLiteral("Yes to &All");
    case Prompter::Button::NoToAll: return QStringLiteral("N&o to All");
    case Prompter::Button::Abort: return QStringLiteral("&Abort");
    case Prompter::Button::Retry: return QStringLiteral("&Retry");
    case Prompter::Button::Ignore: return QStringLiteral("&Ignore");
    case Prompter::Button::All: return QStringLiteral("&All");
    }
    return {};
}
