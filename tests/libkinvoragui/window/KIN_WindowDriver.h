#ifndef KIN_WINDOWDRIVER_H
#define KIN_WINDOWDRIVER_H

#include "../dialogs/KIN_DialogDriver.h"
#include "KIN_DataDiagram.h"
#include "KIN_DlgGedcomChart.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_ModalDriver.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <string>

inline QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}

// The ways a user leaves a dialog without confirming it.
enum class KIN_Dismissal
{
    Cancel,
    Escape,
    Close
};

inline void KIN_Dismiss(QDialog& dialog, KIN_Dismissal dismissal)
{
    switch (dismissal)
    {
    case KIN_Dismissal::Cancel:
        QTest::mouseClick(KIN_ButtonOf(dialog, S("Cancel")), Qt::LeftButton);
        break;
    case KIN_Dismissal::Escape: // to the dialog's focus, as the keyboard does
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Escape);
        break;
    case KIN_Dismissal::Close:
        dialog.close();
        break;
    }
}

inline void KIN_PressOk(QDialog& dialog)
{
    QTest::mouseClick(KIN_ButtonOf(dialog, S("OK")), Qt::LeftButton);
}

// The period dialog's fields, by their place in its grid.
inline QLineEdit* KIN_BeginField(const QDialog& dialog)
{
    return KIN_CellOf<QLineEdit>(dialog, 0, 1);
}
inline QLineEdit* KIN_EndField(const QDialog& dialog)
{
    return KIN_CellOf<QLineEdit>(dialog, 1, 1);
}
inline QLineEdit* KIN_ColumnField(const QDialog& dialog)
{
    return KIN_CellOf<QLineEdit>(dialog, 2, 1);
}
inline QLineEdit* KIN_WidthField(const QDialog& dialog)
{
    return KIN_CellOf<QLineEdit>(dialog, 3, 1);
}
inline QTextEdit* KIN_TitleEditor(const QDialog& dialog)
{
    return KIN_CellOf<QTextEdit>(dialog, 5, 0);
}
inline QComboBox* KIN_ColourChooser(const QDialog& dialog, int nRow)
{
    return KIN_CellOf<QComboBox>(dialog, nRow, 1);
}

// A right click as the platform delivers it: the press, then the context-menu request.
inline void KIN_RightClickAt(QWidget* pQViewport, const QPoint& at)
{
    QTest::mousePress(pQViewport, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, pQViewport->mapToGlobal(at));
    QApplication::sendEvent(pQViewport, &request);
    QTest::mouseRelease(pQViewport, Qt::RightButton, Qt::NoModifier, at);
}

// The warning boxes the window shows, open without blocking.
inline QList<QMessageBox*> Warnings(const QWidget& window)
{
    QList<QMessageBox*> boxes;
    for (QMessageBox* pQBox : window.findChildren<QMessageBox*>())
        if (pQBox->icon() == QMessageBox::Warning && pQBox->isVisible())
            boxes << pQBox;
    return boxes;
}

// A window in a folder of its own; the folder is made first, so the window reads and writes
// its "./autosave.xml" there.
class KIN_WindowTest : public ::testing::Test
{
protected:
    static constexpr const char* Marker = "not rewritten";

    const KIN_DataDiagram& Content() const
    {
        return *window.GetSession()->GetDocument()->GetData();
    }
    KIN_GraphicPeriod* Current() const { return KIN_SceneSelection::Get().pCurrentPeriod; }
    KIN_GraphicPeriod* ItemOf(std::int32_t nId) const
    {
        for (KIN_GraphicPeriod* pPeriod : window.GetView()->GetPeriods())
            if (pPeriod->GetRecord().id == nId)
                return pPeriod;
        return nullptr;
    }
    // Puts periods into the document the way a loaded file would, and shows them.
    void AddPeriods(std::initializer_list<KIN_DataPeriod> periods)
    {
        for (const KIN_DataPeriod& period : periods)
            window.GetSession()->GetDocument()->AddPeriod(period);
        window.RefreshAll();
    }
    std::string Autosave() const
    {
        window.GetSession()->WaitForAutosave();
        return folder.Read(S("autosave.xml"));
    }
    // Replaces the autosave by a marker that only a rewrite removes.
    void MarkAutosave() const
    {
        window.GetSession()->WaitForAutosave();
        ASSERT_TRUE(folder.Write(S("autosave.xml"), Marker));
    }
    bool AutosaveRewritten() const
    {
        const std::string text = Autosave();
        return text != Marker && text.rfind("<kinvora>\n", 0) == 0;
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};

#endif
