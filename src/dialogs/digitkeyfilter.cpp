#include "dialogs/digitkeyfilter.h"

#include "dialogs/thumbsizeentry.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
// The character a key press types; empty for keys that type nothing
// (arrows, Home, Delete) or that the dialog handles (Tab, Escape), which
// the filter leaves alone.
QString typedCharacter(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return {};
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    default:
        return key->text();
    }
}
} // namespace

DigitKeyFilter::DigitKeyFilter(QLineEdit *edit, int maxLength)
    : QObject(edit), m_edit(edit), m_maxLength(maxLength)
{
    edit->installEventFilter(this);
}

bool DigitKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return false;
    const QString typed = typedCharacter(static_cast<QKeyEvent *>(event));
    if (typed.isEmpty())
        return false;
    return !digitKeyPasses(typed, int(m_edit->text().size()), m_maxLength);
}
