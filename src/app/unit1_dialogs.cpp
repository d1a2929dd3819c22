// Main window: the thumb size and maximum size dialogs, the tip of the day,
// the about box and the help commands.
#include "app/unit1.h"

#include "app/newstat.h"
#include "browse/dirtree.h"
#include "browse/imagelistview.h"
#include "dialogs/about.h"
#include "dialogs/contexthelp.h"
#include "dialogs/drive.h"
#include "dialogs/helpcommands.h"
#include "dialogs/helpviewersystem.h"
#include "dialogs/maxsize.h"
#include "dialogs/randomsource.h"
#include "dialogs/tips.h"
#include "dialogs/tiptexts.h"
#include "dialogs/unit2.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>

void TForm1::setUpHelp()
{
    m_helpSystem = std::make_shared<HelpViewerSystem>();
    m_help = std::make_shared<HelpCommands>(*m_helpSystem, m_prompter, state.ProgramDir);
    m_tipRandom = std::make_shared<ClockRandomSource>();
    new ContextHelp(*m_help, this);
    // F1 on these parts of the window opens their topics.
    const std::pair<QWidget *, int> contexts[] = {
        {DirTree1, 1}, {ListView1, 2}, {Panel2, 4}, {Panel1, 5},
        {StatusBar1, 15}, {ProgressBar1, 15}, {HeaderControl1, 36}, {CenterPanel, 36},
    };
    for (const auto &[part, context] : contexts)
        part->setProperty("helpContext", context);
}

void TForm1::ThumbSize1Click()
{
    setStatus(QStringLiteral("Adjust Thumb Size"));
    if (!m_thumbSizeDialog || m_thumbSizeDialog->exec() != QDialog::Accepted)
        return;
    SetImageSize();
    UpdateListbox();
}

void TForm1::MaximumSize1Click()
{
    if (!m_maxSizeDialog)
        return;
    m_maxSizeDialog->exec();
    action(QStringLiteral("MaximumSize1"))->setChecked(m_maxSizeDialog->CheckBox1->isChecked());
}

void TForm1::showTipOfTheDay()
{
    const int number = chooseTipNumber(*m_tipRandom);
    TForm16 tips(this);
    tips.TipLabel->setText(tipText(number));
    tips.exec();
    action(QStringLiteral("ShowHints1"))->setChecked(tips.CheckBox1->isChecked());
}

void TForm1::About1Click()
{
    TAboutBox about(*m_help, this);
    about.exec();
}

void TForm1::Help2Click()
{
    m_help->contents();
}

void TForm1::Search1Click()
{
    m_help->search();
}

void TForm1::UsingHelp1Click()
{
    m_help->usingHelp();
}

void TForm1::WhatsThis1Click()
{
    m_help->context(1);
}

void TForm1::WhatsThis2Click()
{
    m_help->context(2);
}

void TForm1::WhatsThis4Click()
{
    m_help->context(4);
}

void TForm1::WhatsThis5Click()
{
    m_help->context(5);
}

void TForm1::WhatsThis6Click()
{
    m_help->context(15);
}

void TForm1::WhatsThis7Click()
{
    m_help->context(36);
}
