// What the list commands need from the window whose list they work on.
#pragma once

#include "commands/listselection.h"
#include "tasks/task.h"

class ImageListView;
class QWidget;

// The ways a window can be busy; each window shows them in its own way.
enum class BusyKind { FileWalk, DropWalk, Conversion, ImagePrint, SheetPrint };

class ListWindow : public Task
{
public:
    // The window the commands' dialogs belong to.
    virtual QWidget *widget() = 0;
    virtual ImageListView &list() = 0;
    virtual ListSelection selection() const = 0;
    virtual void enterBusy(BusyKind kind) = 0;
    virtual void leaveBusy(BusyKind kind) = 0;
    // The selected entries leave the list; nothing happens to their files.
    virtual void deleteSelected() = 0;
};

// Busy mode for one section, left however the section ends.
class BusyScope
{
public:
    BusyScope(ListWindow &window, BusyKind kind) : m_window(window), m_kind(kind) { m_window.enterBusy(kind); }
    ~BusyScope() { m_window.leaveBusy(m_kind); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    ListWindow &m_window;
    BusyKind m_kind;
};
