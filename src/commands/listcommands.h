// The commands on a list's selection, shared by the main window and the
// search window. Where the windows differ, a ListCommandStyle says how.
#pragma once

#include "commands/commandservices.h"
#include "commands/listselection.h"

#include <QSize>
#include <QString>
#include <QStringList>

class ListWindow;
class QPainter;
struct WalkEntry;

struct ListCommandStyle
{
    QString copyFinished;          // status once a copy or move is done
    QString noFilesCopied;         // status when no target was chosen; none when empty
    bool clearCopyTarget = false;  // the target field starts empty each time
    QString deleteFinished;        // status once a delete is done
    QString renameAsking;          // status while the rename dialog shows; none when empty
    QString editRenamed;           // status after a rename in place; none when empty
    QString propertiesSet;         // status once attributes were changed
    bool viewStatus = false;       // "Viewing Image" names the file shown
    bool keepTypedConvertTarget = false;  // the convert dialog's check box keeps the typed target
    bool messagesDuringConversion = true;
    QString printOptionsStatus;    // status while the print options show; none when empty
    QString launchStatus;          // status before opening with another program; none when empty
};

// Every entry as a copy walk takes it: by its name, from its own folder.
QList<WalkEntry> walkEntries(const ListSelection &selection);

class ListCommands
{
public:
    ListCommands(const CommandServices &services, ListWindow &window, const ListCommandStyle &style);

    // File commands (listcommands.cpp).
    void copyOrMove(bool move);
    void deleteFiles();
    void rename();
    // Renames entry's file to newText (a name in its folder, or a path);
    // false when it was not renamed.
    bool renameInPlace(const ListEntry &entry, const QString &newText);
    void properties();
    void launch();

    // Pictures, conversion and printing (listcommands_imaging.cpp).
    void view();
    void copyToClipboard();
    void convert();
    void printSheet();
    void printImage();

    // The selected entries named in gone leave the list; the others stay,
    // so what was not moved or deleted can still be worked on.
    void removeGone(const ListSelection &selection, const QStringList &gone);

private:
    bool renameEntry(const ListSelection &selection, const ListEntry &entry, const QString &newName,
                     const QString &status);
    bool drawImage(QPainter &painter, const QString &path, int scale, QSize page) const;
    QString tempFolder() const;
    QSize thumbSize() const;

    CommandServices m_services;
    Prompter &m_prompter;
    ListWindow &m_window;
    ListCommandStyle m_style;
};
