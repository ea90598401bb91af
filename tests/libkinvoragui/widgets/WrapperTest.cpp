#include "KIT_QT_Action.h"
#include "KIT_QT_DockWidget.h"
#include "KIT_QT_Drag.h"
#include "KIT_QT_GridLayout.h"
#include "KIT_QT_HBoxLayout.h"
#include "KIT_QT_HBoxLayout0.h"
#include "KIT_QT_Label.h"
#include "KIT_QT_Label0.h"
#include "KIT_QT_LineEdit0.h"
#include "KIT_QT_ListWidget0.h"
#include "KIT_QT_MenuBar.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QT_MimeData.h"
#include "KIT_QT_PushButton.h"
#include "KIT_QT_TextEdit0.h"
#include "KIT_QT_VBoxLayout.h"
#include "KIT_QT_VBoxLayout0.h"
#include "KIT_QT_Widget.h"
#include "KIT_QT_Widget0.h"
#include "KIT_QtText.h"
#include "QT_ScrollArea.h"

#include <QApplication>
#include <QPointer>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace
{
// Reports whether the object is still alive when the parent is destroyed, and how often
// it was destroyed.
class DeathCounter : public KIT_QT_Widget0
{
public:
    explicit DeathCounter(int* pDeaths) : m_pDeaths(pDeaths) {}
    ~DeathCounter() override { ++*m_pDeaths; }

private:
    int* m_pDeaths;
};
} // namespace

TEST(Wrappers, EachReportsItsClassName)
{
    KIT_QT_Widget0 parent;
    const QString text = QStringLiteral("t");
    EXPECT_STREQ(KIT_QT_Widget(&parent).GetSafeObjectName(), "KIT_QT_Widget");
    EXPECT_STREQ(KIT_QT_Widget0().GetSafeObjectName(), "KIT_QT_Widget0");
    EXPECT_STREQ(KIT_QT_Action(text, &parent).GetSafeObjectName(), "KIT_QT_Action");
    EXPECT_STREQ(KIT_QT_DockWidget(text, &parent).GetSafeObjectName(), "KIT_QT_DockWidget");
    EXPECT_STREQ(KIT_QT_Drag(&parent).GetSafeObjectName(), "KIT_QT_Drag");
    EXPECT_STREQ(KIT_QT_GridLayout(nullptr).GetSafeObjectName(), "KIT_QT_GridLayout");
    EXPECT_STREQ(KIT_QT_HBoxLayout(nullptr).GetSafeObjectName(), "KIT_QT_HBoxLayout");
    EXPECT_STREQ(KIT_QT_HBoxLayout0().GetSafeObjectName(), "KIT_QT_HBoxLayout0");
    EXPECT_STREQ(KIT_QT_Label(text, &parent).GetSafeObjectName(), "KIT_QT_Label");
    EXPECT_STREQ(KIT_QT_Label0().GetSafeObjectName(), "KIT_QT_Label0");
    EXPECT_STREQ(KIT_QT_LineEdit0().GetSafeObjectName(), "KIT_QT_LineEdit0");
    EXPECT_STREQ(KIT_QT_ListWidget0().GetSafeObjectName(), "KIT_QT_ListWidget0");
    EXPECT_STREQ(KIT_QT_MenuBar(&parent).GetSafeObjectName(), "KIT_QT_MenuBar");
    EXPECT_STREQ(KIT_QT_MessageBox(QMessageBox::Question, text, text, QMessageBox::Yes, &parent)
                     .GetSafeObjectName(),
                 "KIT_QT_MessageBox");
    EXPECT_STREQ(KIT_QT_MimeData().GetSafeObjectName(), "KIT_QT_MimeData");
    EXPECT_STREQ(KIT_QT_PushButton(text, &parent).GetSafeObjectName(), "KIT_QT_PushButton");
    EXPECT_STREQ(KIT_QT_TextEdit0().GetSafeObjectName(), "KIT_QT_TextEdit0");
    EXPECT_STREQ(KIT_QT_VBoxLayout(nullptr).GetSafeObjectName(), "KIT_QT_VBoxLayout");
    EXPECT_STREQ(KIT_QT_VBoxLayout0().GetSafeObjectName(), "KIT_QT_VBoxLayout0");
    auto* pQContent = new KIT_QT_Label0();
    EXPECT_STREQ(QT_ScrollArea(pQContent, &parent).GetSafeObjectName(), "QT_ScrollArea");
}

TEST(Wrappers, ParentedWrappersTakeTheirParentAndText)
{
    KIT_QT_Widget0 parent;
    auto* pQLabel = new KIT_QT_Label(QStringLiteral("hello"), &parent);
    EXPECT_EQ(pQLabel->parent(), &parent);
    EXPECT_EQ(pQLabel->text(), QStringLiteral("hello"));
    EXPECT_EQ(KIT_QT_Widget0().parent(), nullptr);
    KIT_QT_MessageBox box(QMessageBox::Question, QStringLiteral("T"), QStringLiteral("X"),
                          QMessageBox::Yes | QMessageBox::No, &parent);
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
}

TEST(Wrappers, ParentlessWrapperAdoptedByALayoutIsDeletedOnce)
{
    int deaths = 0;
    {
        KIT_QT_Widget0 parent;
        auto* pQLayout = new KIT_QT_VBoxLayout(&parent);
        auto* pQChild = new DeathCounter(&deaths);
        pQLayout->addWidget(pQChild);
        EXPECT_EQ(pQChild->parent(), &parent);
    }
    EXPECT_EQ(deaths, 1);

    deaths = 0;
    {
        KIT_QT_Widget0 owner;
        KIT_QT_DockWidget dock(QStringLiteral("d"), &owner);
        dock.setWidget(new DeathCounter(&deaths));
    }
    EXPECT_EQ(deaths, 1);
}

TEST(ScrollArea, KeepsContentTopLeftAndScrollsWhenSmaller)
{
    auto* pQContent = new KIT_QT_Widget0();
    pQContent->setFixedSize(120, 80);
    QT_ScrollArea area(pQContent, nullptr);
    area.resize(400, 300);
    area.show();
    QApplication::processEvents();
    EXPECT_EQ(pQContent->pos(),
              QPoint(pQContent->parentWidget()->layout()->contentsMargins().left(),
                     pQContent->parentWidget()->layout()->contentsMargins().top()));
    EXPECT_EQ(pQContent->size(), QSize(120, 80));
    EXPECT_FALSE(area.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(area.verticalScrollBar()->isVisible());

    area.resize(60, 50);
    QApplication::processEvents();
    EXPECT_TRUE(area.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area.verticalScrollBar()->isVisible());
    EXPECT_EQ(pQContent->size(), QSize(120, 80));
}

TEST(QtText, NonLatinTextRoundTrips)
{
    const QString names = QStringLiteral(u"Dvořák Łódź Αθήνα Москва");
    const std::string bytes = KIT_ToBytes(names);
    EXPECT_EQ(bytes, std::string(names.toUtf8().constData()));
    EXPECT_EQ(KIT_ToQString(bytes), names);
    EXPECT_EQ(KIT_ToQString(bytes.c_str()), names);
}

TEST(QtText, BytesThatAreNotUtf8DecodeAsLatin1)
{
    const std::string latin1 = "caf\xE9 \xC0 la cr\xE8me";
    EXPECT_EQ(KIT_ToQString(latin1), QStringLiteral(u"café À la crème"));
    EXPECT_EQ(KIT_ToQString(std::string()), QString());
    EXPECT_TRUE(KIT_ToQString(static_cast<const char*>(nullptr)).isNull());
    EXPECT_EQ(KIT_ToQString(std::string("a\0b", 3)).size(), 3);
}
