// The one way the program asks or tells the user something in a box.
#pragma once

#include <QList>
#include <QString>
#include <optional>

// Logic reports through this interface; windows pass the widget version,
// tests a scripted one that answers from a queue and records every call.
class Prompter
{
public:
    enum class Button { Ok, Cancel, Yes, No, YesToAll, NoToAll, Abort, Retry, Ignore, All };
    enum class Icon { Stop, Question, Information, Warning };

    virtual ~Prompter() = default;

    // Caption "Error", stop icon, one OK button.
    virtual void error(const QString &text) = 0;
    // Caption "Confirm", question icon, the given buttons; returns the one chosen.
    virtual Button confirm(const QString &text, const QList<Button> &buttons) = 0;
    // Caption "Information", information icon, one OK button.
    virtual void information(const QString &text) = 0;
    // A folder picker; nothing when the user cancels.
    virtual std::optional<QString> pickFolder(const QString &caption, const QString &start) = 0;
};

QString buttonText(Prompter::Button button);
