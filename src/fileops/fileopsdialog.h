// What the file dialogs share: hints, a What's This menu, centring and the
// request for a help topic.
#pragma once

#include "dialogs/dialogparts.h"

#include <QDialog>

class QLabel;
class QMenu;
class QPushButton;

class FileOpsDialog : public QDialog
{
    Q_OBJECT
public:
    FileOpsDialog(const char *name, const QString &caption, const QString &hint, QSize client,
                  QWidget *parent);

signals:
    // The user asked for the help topic context.
    void helpRequested(int context);

protected:
    QPushButton *button(const char *name, const QString &text, const QString &hint, QRect where);
    QLabel *label(const char *name, const QString &text, const QString &hint, QPoint where);
    // A heading in bold underlined type.
    QLabel *heading(const QString &text, const QString &hint, QPoint where);
    // The popup of every control, holding What's This for help topic context.
    QMenu *addPopup(const QString &whatsThisCaption, const QString &hint, int context);
    void showEvent(QShowEvent *event) override;
};
