#include "KIN_MainWindow.h"

#include "KIN_AppContext.h"
#include "KIN_Texts.h"
#include "KIT_QT_Action.h"
#include "KIT_QT_DockWidget.h"
#include "KIT_QT_GridLayout.h"
#include "KIT_QT_ListWidget0.h"
#include "KIT_QT_MenuBar.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QT_Widget0.h"
#include "KIT_QtText.h"
#include "KIT_TextFormat.h"
#include "QT_ScrollArea.h"

#include <QMenu>

namespace
{
QString Text(KIN_Text text)
{
    return KIT_ToQString(KIN_TextOf(text));
}

QString Shared(const char* pText)
{
    return KIT_ToQString(pText);
}
} // namespace

KIN_MainWindow::KIN_MainWindow() : QMainWindow(nullptr), KIT_SafeObject("KIN_MainWindow")
{
    m_pQPeriodList = new KIT_QT_ListWidget0();
    m_pQDetails = new KIT_QT_Widget0();

    auto* pQCentral = new KIT_QT_Widget0();
    new KIT_QT_GridLayout(pQCentral);
    setCentralWidget(pQCentral);

    CreateMenus();
    PublishReferences();
    CreateDocks();

    connect(m_pQPeriodList, &QListWidget::itemClicked, this,
            &KIN_MainWindow::SlotList_PeriodChanged);
    connect(m_pQPeriodList, &QListWidget::currentItemChanged, this,
            &KIN_MainWindow::SlotList_PeriodChanged2);
    UpdateTitle();
}

KIN_MainWindow::~KIN_MainWindow()
{
    KIN_AppContext& context = KIN_AppContext::Get();
    if (context.pMainWindow == this)
        context = KIN_AppContext();
}

QAction* KIN_MainWindow::AddMenuAction(QMenu* pQMenu, const QString& text,
                                       void (KIN_MainWindow::*pSlot)(bool))
{
    auto* pQAction = new KIT_QT_Action(text, pQMenu);
    pQMenu->addAction(pQAction);
    connect(pQAction, &QAction::triggered, this, pSlot);
    return pQAction;
}

void KIN_MainWindow::CreateMenus()
{
    auto* pQMenuBar = new KIT_QT_MenuBar(this);

    QMenu* pQFile = pQMenuBar->addMenu(Text(KIN_Text::MenuFile));
    AddMenuAction(pQFile, Text(KIN_Text::MenuFileNew), &KIN_MainWindow::SlotMenu_FileNew_triggered);
    AddMenuAction(pQFile, Text(KIN_Text::MenuFileLoad),
                  &KIN_MainWindow::SlotMenu_FileLoad_triggered);
    AddMenuAction(pQFile, Text(KIN_Text::MenuFileSave),
                  &KIN_MainWindow::SlotMenu_FileSave_triggered);
    AddMenuAction(pQFile, Text(KIN_Text::MenuFileExport),
                  &KIN_MainWindow::SlotMenu_FileExport_triggered);
    pQFile->addSeparator();
    AddMenuAction(pQFile, Text(KIN_Text::MenuFileExit),
                  &KIN_MainWindow::SlotMenu_FileExit_triggered);

    QMenu* pQEdit = pQMenuBar->addMenu(Text(KIN_Text::MenuEdit));
    AddMenuAction(pQEdit, Text(KIN_Text::DiagramSettings),
                  &KIN_MainWindow::SlotMenu_EditLimitDiagr_triggered);
    AddMenuAction(pQEdit, Text(KIN_Text::NewPeriod),
                  &KIN_MainWindow::SlotMenu_EditNewPeriod_triggered);
    m_pQActionChangePeriod = AddMenuAction(pQEdit, Text(KIN_Text::ChangePeriod),
                                           &KIN_MainWindow::SlotMenu_EditChangePeriod_triggered);
    m_pQActionRemovePeriod = AddMenuAction(pQEdit, Text(KIN_Text::RemovePeriod),
                                           &KIN_MainWindow::SlotMenu_EditRemovePeriod_triggered);
    m_pQActionRemoveLink = AddMenuAction(pQEdit, Text(KIN_Text::RemoveLink),
                                         &KIN_MainWindow::SlotMenu_EditRemoveLink_triggered);
    pQEdit->addSeparator();
    AddMenuAction(pQEdit, Text(KIN_Text::Shift), &KIN_MainWindow::SlotMenu_EditShift_triggered);

    m_pQMenuDisplay = pQMenuBar->addMenu(Text(KIN_Text::MenuDisplay));
    AddMenuAction(m_pQMenuDisplay, Shared("Zoom +   \t(Ctrl + '+' )"),
                  &KIN_MainWindow::SlotMenu_ZoomIn_triggered);
    AddMenuAction(m_pQMenuDisplay, Shared("Zoom -   \t(Ctrl + '-' )"),
                  &KIN_MainWindow::SlotMenu_ZoomOut_triggered);
    AddMenuAction(m_pQMenuDisplay, Shared("Zoom normal"),
                  &KIN_MainWindow::SlotMenu_ZoomValue_triggered);

    QMenu* pQHelp = pQMenuBar->addMenu(Shared("&?"));
    AddMenuAction(pQHelp, Text(KIN_Text::MenuAbout), &KIN_MainWindow::SlotMenu_HelpAbout_triggered);

    auto* pQZoomIn = new KIT_QT_Action(Shared("[Zoom +]"), pQMenuBar);
    auto* pQZoomOut = new KIT_QT_Action(Shared("[Zoom -]"), pQMenuBar);
    m_pQZoomLabel = new KIT_QT_Action(Shared("[Zoom x 1]"), pQMenuBar);
    pQZoomIn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    pQZoomIn->setToolTip(Shared("(Ctrl + '+' )"));
    pQZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    pQZoomOut->setToolTip(Shared("(Ctrl + '-' )"));
    for (QAction* pQAction : {static_cast<QAction*>(pQZoomIn), static_cast<QAction*>(pQZoomOut),
                              m_pQZoomLabel})
        pQMenuBar->addAction(pQAction);
    connect(pQZoomIn, &QAction::triggered, this, &KIN_MainWindow::SlotMenu_ZoomIn_triggered);
    connect(pQZoomOut, &QAction::triggered, this, &KIN_MainWindow::SlotMenu_ZoomOut_triggered);
    connect(m_pQZoomLabel, &QAction::triggered, this,
            &KIN_MainWindow::SlotMenu_ZoomValue_triggered);

    setMenuBar(pQMenuBar);
}

void KIN_MainWindow::PublishReferences()
{
    KIN_AppContext& context = KIN_AppContext::Get();
    context.pMainWindow = this;
    context.pQActionChangePeriod = m_pQActionChangePeriod;
    context.pQActionRemovePeriod = m_pQActionRemovePeriod;
    context.pQActionRemoveLink = m_pQActionRemoveLink;
    context.pQDetails = m_pQDetails;
    context.pQPeriodList = m_pQPeriodList;
    m_pQActionChangePeriod->setEnabled(false);
    m_pQActionRemovePeriod->setEnabled(false);
}

void KIN_MainWindow::CreateDocks()
{
    m_pQPeriodList->setMaximumWidth(200);

    auto* pQListDock = new KIT_QT_DockWidget(Text(KIN_Text::DockPeriodList), this);
    pQListDock->setWidget(m_pQPeriodList);
    addDockWidget(Qt::BottomDockWidgetArea, pQListDock);

    auto* pQDetailsDock = new KIT_QT_DockWidget(Text(KIN_Text::DockDetails), this);
    pQDetailsDock->setWidget(new QT_ScrollArea(m_pQDetails, pQDetailsDock));
    addDockWidget(Qt::BottomDockWidgetArea, pQDetailsDock);

    m_pQMenuDisplay->addAction(pQListDock->toggleViewAction());
    m_pQMenuDisplay->addAction(pQDetailsDock->toggleViewAction());
}

void KIN_MainWindow::UpdateTitle()
{
    std::string name = m_currentFile;
    KIT_FileNameOfPath(name);
    setWindowTitle(KIT_ToQString("Kinvora IHM - \"" + name + "\""));
}

void KIN_MainWindow::ApplyZoom(double factor)
{
    m_zoomFactor *= factor;
    m_pQZoomLabel->setText(Shared("[Zoom x %1]").arg(m_zoomFactor, 0, 'g', 6));
}

void KIN_MainWindow::SlotMenu_FileNew_triggered(bool) {}
void KIN_MainWindow::SlotMenu_FileLoad_triggered(bool) {}
void KIN_MainWindow::SlotMenu_FileSave_triggered(bool) {}
void KIN_MainWindow::SlotMenu_FileExport_triggered(bool) {}

void KIN_MainWindow::SlotMenu_FileExit_triggered(bool)
{
    close();
}

void KIN_MainWindow::SlotMenu_EditLimitDiagr_triggered(bool) {}
void KIN_MainWindow::SlotMenu_EditNewPeriod_triggered(bool) {}
void KIN_MainWindow::SlotMenu_EditChangePeriod_triggered(bool) {}
void KIN_MainWindow::SlotMenu_EditRemovePeriod_triggered(bool) {}
void KIN_MainWindow::SlotMenu_EditRemoveLink_triggered(bool) {}
void KIN_MainWindow::SlotMenu_EditRemoveImage_triggered(bool) {}
void KIN_MainWindow::SlotMenu_EditShift_triggered(bool) {}

void KIN_MainWindow::SlotMenu_HelpAbout_triggered(bool)
{
    KIT_QT_MessageBox box(QMessageBox::Information, Shared("About"), AboutText(),
                          QMessageBox::NoButton, this);
    box.exec();
}

void KIN_MainWindow::SlotMenu_ZoomValue_triggered(bool)
{
    ApplyZoom(1.0 / m_zoomFactor);
}

void KIN_MainWindow::SlotMenu_ZoomIn_triggered(bool)
{
    if (m_zoomFactor < 20.0)
        ApplyZoom(2.0);
}

void KIN_MainWindow::SlotMenu_ZoomOut_triggered(bool)
{
    if (m_zoomFactor > 0.05)
        ApplyZoom(0.5);
}

void KIN_MainWindow::SlotList_PeriodChanged(QListWidgetItem*) {}
void KIN_MainWindow::SlotList_PeriodChanged2(QListWidgetItem*, QListWidgetItem*) {}

QString KIN_MainWindow::AboutText()
{
    const QChar blank(QLatin1Char(' '));
    return Shared("%1\n%2%3\n%4%5\n%6%7")
        .arg(Shared("Software:\tKinvora"), 0, blank)
        .arg(Shared("Date:    \t"), 0, blank)
        .arg(Shared(KIN_BuildDate()), 0, blank)
        .arg(Shared("Time:    \t"), 0, blank)
        .arg(Shared(KIN_BuildTime()), 0, blank)
        .arg(Shared("Author:  \t"), 0, blank)
        .arg(Shared("The Kinvora developers"), 0, blank);
}
