#include "KIN_MainWindow.h"

#include "KIN_AppContext.h"
#include "KIN_DataDiagram.h"
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgGedcomChart.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_ExportCommands.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_QtTexts.h"
#include "KIN_SceneSelection.h"
#include "KIN_SelectionGuard.h"
#include "KIN_Texts.h"
#include "KIN_UndoHistory.h"
#include "KIN_ViewPeriods.h"
#include "KIN_ViewYears.h"
#include "KIN_WidgetDetails.h"
#include "KIN_WidgetFindPeriod.h"
#include "KIN_WindowViews.h"
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

#include <QDir>
#include <QListView>
#include <QMenu>
#include <QStatusBar>

#include <algorithm>
#include <memory>

namespace
{
QString Shared(const char* pText)
{
    return KIT_ToQString(pText);
}
} // namespace

KIN_MainWindow::KIN_MainWindow() : QMainWindow(nullptr), KIT_SafeObject("KIN_MainWindow")
{
    m_pDlgLimits = new KIN_DlgDiagramLimits(this);
    m_pDlgShift = new KIN_DlgDiagramShift(this);
    m_pDlgChart = new KIN_DlgGedcomChart(this);
    m_pDlgPeriod = new KIN_DlgPeriodLimits(this);
    m_pExports = new KIN_ExportCommands(this);
    m_pDetails = new KIN_WidgetDetails();
    m_pQPeriodList = new KIT_QT_ListWidget0();

    m_pSession = new KIN_DocumentSession(m_views, this);
    const KIN_DataDiagram* pContent = &m_pSession->GetContent();
    m_pView = new KIN_ViewPeriods(this, pContent, m_pQPeriodList);
    m_pRuler = new KIN_ViewYears(this, pContent, m_pView);
    auto* pQCentral = new KIT_QT_Widget0();
    auto* pQGrid = new KIT_QT_GridLayout(pQCentral);
    pQGrid->addWidget(m_pRuler, 0, 0);
    pQGrid->addWidget(m_pView, 0, 1);
    setCentralWidget(pQCentral);

    CreateMenus();
    PublishReferences();
    CreateDocks();
    m_views = KIN_WindowViews(
        KIN_WindowViews::Parts{this, pContent, m_pView, m_pRuler, m_pQPeriodList, m_pFindPeriod});

    connect(m_pQPeriodList, &QListWidget::itemClicked, this,
            &KIN_MainWindow::SlotList_PeriodChanged);
    connect(m_pQPeriodList, &QListWidget::currentItemChanged, this,
            &KIN_MainWindow::SlotList_PeriodChanged2);
    connect(m_pSession, &KIN_DocumentSession::Warning, this,
            &KIN_MainWindow::SlotSession_Warn_Warning);
    connect(m_pSession, &KIN_DocumentSession::CurrentFileChanged, this,
            &KIN_MainWindow::SlotSession_Title_CurrentFileChanged);
    connect(m_pSession, &KIN_DocumentSession::Status, statusBar(),
            [this](const QString& message) { statusBar()->showMessage(message); });
    m_pSession->LoadAtStart();
}

KIN_MainWindow::~KIN_MainWindow()
{
    // The items call back into the panel and the list: remove them while both still exist.
    m_pView->RemoveItems();
    m_pQPeriodList->clear();
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

    QMenu* pQFile = pQMenuBar->addMenu(KIN_QText(KIN_Text::MenuFile));
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFileNew),
                  &KIN_MainWindow::SlotMenu_FileNew_triggered);
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFileLoad),
                  &KIN_MainWindow::SlotMenu_FileLoad_triggered);
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuImportGedcom),
                  &KIN_MainWindow::SlotMenu_FileImportGedcom_triggered);
    m_pQMenuRecent = pQFile->addMenu(KIN_QText(KIN_Text::MenuRecentFiles));
    connect(m_pQMenuRecent, &QMenu::aboutToShow, this,
            &KIN_MainWindow::SlotMenu_RecentFiles_aboutToShow);
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFileSave),
                  &KIN_MainWindow::SlotMenu_FileSave_triggered);
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFileExport),
                  &KIN_MainWindow::SlotMenu_FileExport_triggered);
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFileExportPdf),
                  &KIN_MainWindow::SlotMenu_FileExportPdf_triggered);
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFileExportSvg),
                  &KIN_MainWindow::SlotMenu_FileExportSvg_triggered);
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFilePrint),
                  &KIN_MainWindow::SlotMenu_FilePrint_triggered)
        ->setShortcuts(QKeySequence::Print);
    pQFile->addSeparator();
    AddMenuAction(pQFile, KIN_QText(KIN_Text::MenuFileExit),
                  &KIN_MainWindow::SlotMenu_FileExit_triggered);

    QMenu* pQEdit = pQMenuBar->addMenu(KIN_QText(KIN_Text::MenuEdit));
    QAction* pQUndo =
        m_pSession->GetHistory()->createUndoAction(pQEdit, KIN_QText(KIN_Text::MenuUndo));
    pQUndo->setShortcuts(QKeySequence::Undo);
    QAction* pQRedo =
        m_pSession->GetHistory()->createRedoAction(pQEdit, KIN_QText(KIN_Text::MenuRedo));
    pQRedo->setShortcuts(QKeySequence::Redo);
    pQEdit->addActions({pQUndo, pQRedo});
    pQEdit->addSeparator();
    AddMenuAction(pQEdit, KIN_QText(KIN_Text::DiagramSettings),
                  &KIN_MainWindow::SlotMenu_EditLimitDiagr_triggered);
    AddMenuAction(pQEdit, KIN_QText(KIN_Text::NewPeriod),
                  &KIN_MainWindow::SlotMenu_EditNewPeriod_triggered);
    m_pQActionChangePeriod = AddMenuAction(pQEdit, KIN_QText(KIN_Text::ChangePeriod),
                                           &KIN_MainWindow::SlotMenu_EditChangePeriod_triggered);
    m_pQActionRemovePeriod = AddMenuAction(pQEdit, KIN_QText(KIN_Text::RemovePeriod),
                                           &KIN_MainWindow::SlotMenu_EditRemovePeriod_triggered);
    m_pQActionRemoveLink = AddMenuAction(pQEdit, KIN_QText(KIN_Text::RemoveLink),
                                         &KIN_MainWindow::SlotMenu_EditRemoveLink_triggered);
    pQEdit->addSeparator();
    AddMenuAction(pQEdit, KIN_QText(KIN_Text::Shift),
                  &KIN_MainWindow::SlotMenu_EditShift_triggered);

    m_pQMenuDisplay = pQMenuBar->addMenu(KIN_QText(KIN_Text::MenuDisplay));
    AddMenuAction(m_pQMenuDisplay, Shared("Zoom +   \t(Ctrl + '+' )"),
                  &KIN_MainWindow::SlotMenu_ZoomIn_triggered);
    AddMenuAction(m_pQMenuDisplay, Shared("Zoom -   \t(Ctrl + '-' )"),
                  &KIN_MainWindow::SlotMenu_ZoomOut_triggered);
    AddMenuAction(m_pQMenuDisplay, Shared("Zoom normal"),
                  &KIN_MainWindow::SlotMenu_ZoomValue_triggered);

    QMenu* pQHelp = pQMenuBar->addMenu(Shared("&?"));
    AddMenuAction(pQHelp, KIN_QText(KIN_Text::MenuAbout),
                  &KIN_MainWindow::SlotMenu_HelpAbout_triggered);

    auto* pQZoomIn = new KIT_QT_Action(Shared("[Zoom +]"), pQMenuBar);
    auto* pQZoomOut = new KIT_QT_Action(Shared("[Zoom -]"), pQMenuBar);
    m_pQZoomLabel = new KIT_QT_Action(Shared("[Zoom x 1]"), pQMenuBar);
    pQZoomIn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus));
    pQZoomIn->setToolTip(Shared("(Ctrl + '+' )"));
    pQZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    pQZoomOut->setToolTip(Shared("(Ctrl + '-' )"));
    for (QAction* pQAction :
         {static_cast<QAction*>(pQZoomIn), static_cast<QAction*>(pQZoomOut), m_pQZoomLabel})
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
    context.pQDetails = m_pDetails;
    m_pQActionChangePeriod->setEnabled(false);
    m_pQActionRemovePeriod->setEnabled(false);
}

void KIN_MainWindow::CreateDocks()
{
    m_pQPeriodList->setMaximumWidth(200);
    // One line each: the list need not measure 100,000 entries to lay them out.
    m_pQPeriodList->setUniformItemSizes(true);

    auto* pQListDock = new KIT_QT_DockWidget(KIN_QText(KIN_Text::DockPeriodList), this);
    pQListDock->setObjectName(QStringLiteral("periodListDock")); // saveState's key
    m_pQListDock = pQListDock;
    auto* pQListArea = new KIT_QT_Widget0();
    auto* pQListGrid = new KIT_QT_GridLayout(pQListArea);
    pQListGrid->setContentsMargins(0, 0, 0, 0);
    pQListArea->setMaximumWidth(200); // the details take the rest of the bottom
    m_pFindPeriod = new KIN_WidgetFindPeriod(m_pQPeriodList, pQListArea);
    m_pFindPeriod->setMaximumWidth(200);
    pQListGrid->addWidget(m_pFindPeriod, 0, 0);
    pQListGrid->addWidget(m_pQPeriodList, 1, 0);
    pQListGrid->addWidget(m_pFindPeriod->GetResultsView(), 1, 0);
    m_pFindPeriod->GetResultsView()->setMaximumWidth(200);
    pQListDock->setWidget(pQListArea);
    auto* pQFind = new KIT_QT_Action(QString(), this);
    pQFind->setShortcuts(QKeySequence::Find);
    addAction(pQFind);
    connect(pQFind, &QAction::triggered, this, &KIN_MainWindow::SlotMenu_EditFind_triggered);
    addDockWidget(Qt::BottomDockWidgetArea, pQListDock);

    auto* pQDetailsDock = new KIT_QT_DockWidget(KIN_QText(KIN_Text::DockDetails), this);
    pQDetailsDock->setObjectName(QStringLiteral("detailsDock"));
    pQDetailsDock->setWidget(new QT_ScrollArea(m_pDetails, pQDetailsDock));
    addDockWidget(Qt::BottomDockWidgetArea, pQDetailsDock);

    m_pQMenuDisplay->addAction(pQListDock->toggleViewAction());
    m_pQMenuDisplay->addAction(pQDetailsDock->toggleViewAction());
}

void KIN_MainWindow::RefreshAll()
{
    m_pSession->RefreshAll();
}

void KIN_MainWindow::ChangePeriod(const KIN_DataPeriod& period, KIN_Text stepText)
{
    m_pSession->ChangePeriod(period, stepText);
}

void KIN_MainWindow::AddLink(const KIN_DataLink& link)
{
    const KIN_GraphicPeriod* pCurrent = KIN_SceneSelection::Get().pCurrentPeriod;
    m_pSession->AddLink(link, pCurrent ? pCurrent->GetRecord().id : -1);
}

void KIN_MainWindow::AddImage(const KIN_DataImage& image)
{
    m_pSession->AddImage(image);
}

void KIN_MainWindow::ChangeImage(const KIN_DataImage& image)
{
    m_pSession->ChangeImage(image);
}

void KIN_MainWindow::SlotMenu_EditFind_triggered(bool)
{
    m_pQListDock->show();
    m_pFindPeriod->setFocus(Qt::ShortcutFocusReason);
    m_pFindPeriod->selectAll();
}

void KIN_MainWindow::UpdateRuler()
{
    if (m_pRuler)
        m_pRuler->RefreshRuler();
}

void KIN_MainWindow::ApplyZoom(double factor)
{
    m_zoomFactor *= factor;
    m_pView->ScaleView(factor, factor);
    m_pQZoomLabel->setText(Shared("[Zoom x %1]").arg(m_zoomFactor, 0, 'g', 6));
    if (KIN_GraphicPeriod* pCurrent = KIN_SceneSelection::Get().pCurrentPeriod)
        pCurrent->SelectPeriod();
}

void KIN_MainWindow::SlotMenu_FileExit_triggered(bool)
{
    close();
}

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

void KIN_MainWindow::SlotList_PeriodChanged(QListWidgetItem* pQItem)
{
    if (KIN_SelectionGuard::IsActive())
        return;
    const KIN_SelectionGuard guard;
    if (auto* pEntry = dynamic_cast<KIN_ItemListPeriod*>(pQItem))
        if (KIN_GraphicPeriod* pPeriod = pEntry->GetPeriodItem())
            pPeriod->SelectPeriod();
}

void KIN_MainWindow::SlotList_PeriodChanged2(QListWidgetItem* pQItemCurrent, QListWidgetItem*)
{
    SlotList_PeriodChanged(pQItemCurrent);
}

QString KIN_MainWindow::AboutText()
{
    return Shared("%1\n%2%3\n%4%5\n%6%7")
        .arg(Shared("Software:\tKinvora"), Shared("Date:    \t"), Shared(KIN_BuildDate()),
             Shared("Time:    \t"), Shared(KIN_BuildTime()), Shared("Author:  \t"),
             Shared("The Kinvora developers"));
}
