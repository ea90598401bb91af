#include "../scene/KIN_SceneDriver.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicImage.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}

// Picks a file in the next file dialog by typing its path, or cancels it; keeps what the
// dialog showed.
class KIN_FileAnswer
{
public:
    explicit KIN_FileAnswer(QString path)
        : m_path(std::move(path)),
          m_when([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); },
                 [this](QWidget* pQWidget) { Answer(static_cast<QFileDialog*>(pQWidget)); })
    {
    }

    bool Seen() const { return m_when.Seen(); }
    const QString& Caption() const { return m_caption; }
    const QStringList& Filters() const { return m_filters; }
    const QString& Folder() const { return m_folder; }

private:
    void Answer(QFileDialog* pQDialog)
    {
        m_caption = pQDialog->windowTitle();
        m_filters = pQDialog->nameFilters();
        m_folder = pQDialog->directory().absolutePath();
        QLineEdit* pQName = pQDialog->findChild<QLineEdit*>(S("fileNameEdit"));
        if (m_path.isEmpty() || !pQName)
        {
            pQDialog->reject();
            return;
        }
        pQName->setText(m_path);
        QTest::keyClick(pQName, Qt::Key_Return); // the Open button is the default
        if (pQDialog->isVisible())
        {
            ADD_FAILURE() << "the file dialog refused " << m_path.toStdString();
            pQDialog->reject();
        }
    }

    QString m_path;
    QString m_caption;
    QStringList m_filters;
    QString m_folder;
    KIN_WhenShown m_when;
};

class NewImage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        window.GetSession()->GetDocument()->SetLimits(18, 38, 10, false);
        window.RefreshAll();
        window.GetView()->ensureVisible(QRectF(300, 400, 200, 200));
    }

    // Chooses "New image" at a viewport position and answers the file dialog with the path.
    void NewImageAt(const QPoint& at, const QString& path)
    {
        KIN_MenuAnswer menu(S("New image"));
        KIN_FileAnswer file(path);
        KIN_RightClick(window.GetView()->viewport(), at);
        EXPECT_EQ(menu.Texts(),
                  QStringList({S("Diagramme settings"), S("New period"), S("New image")}));
        ASSERT_TRUE(file.Seen());
        EXPECT_EQ(file.Caption(), S("Select an image to load."));
        EXPECT_EQ(file.Filters(), QStringList{S("Images (*.bmp *.png)")});
        EXPECT_EQ(file.Folder(), QDir::current().absolutePath());
    }

    QPoint Empty() const { return window.GetView()->mapFromScene(QPointF(401, 503)); }

    const std::vector<KIN_DataImage>& Stored() const
    {
        return window.GetSession()->GetDocument()->GetData()->images;
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};
} // namespace

TEST_F(NewImage, APictureInTheWorkingFolderKeepsItsBareName)
{
    ASSERT_TRUE(KIN_WritePicture(folder.Path(S("portrait.png")), 40, 60));
    const QPoint at = Empty();
    NewImageAt(at, folder.Path(S("portrait.png")));
    ASSERT_EQ(Stored().size(), 1u);
    const QPointF scenePos = window.GetView()->mapToScene(at);
    EXPECT_EQ(Stored()[0].file, "portrait.png");
    EXPECT_EQ(Stored()[0].x, static_cast<int>(std::trunc(scenePos.x())));
    EXPECT_EQ(Stored()[0].y, static_cast<int>(std::trunc(scenePos.y())));
    EXPECT_EQ(Stored()[0].scale, 1.0);
    ASSERT_EQ(window.GetView()->GetImages().size(), 1u);
    const KIN_GraphicImage* pImage = window.GetView()->GetImages()[0];
    EXPECT_TRUE(pImage->IsLoaded());
    EXPECT_EQ(pImage->pixmap().size(), QSize(40, 60));
}

TEST_F(NewImage, APictureFromAnotherFolderIsFoundAgain)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString chosen = elsewhere.filePath(S("map.png"));
    ASSERT_TRUE(KIN_WritePicture(chosen, 30, 20));
    NewImageAt(Empty(), chosen);
    ASSERT_EQ(Stored().size(), 1u);
    const QString stored = QString::fromStdString(Stored()[0].file);
    EXPECT_TRUE(QDir::isRelativePath(stored)) << stored.toStdString();
    EXPECT_EQ(QFileInfo(stored).canonicalFilePath(), QFileInfo(chosen).canonicalFilePath());
    ASSERT_EQ(window.GetView()->GetImages().size(), 1u);
    EXPECT_TRUE(window.GetView()->GetImages()[0]->IsLoaded());

    // Loaded again from the autosave file, it is still found.
    window.GetSession()->WaitForAutosave();
    KIN_MainWindow reopened;
    ASSERT_EQ(reopened.GetView()->GetImages().size(), 1u);
    EXPECT_EQ(reopened.GetView()->GetImages()[0]->pixmap().size(), QSize(30, 20));
}

TEST_F(NewImage, CancellingChangesNothing)
{
    window.GetSession()->WaitForAutosave();
    const std::string before = folder.Read(S("autosave.xml"));
    NewImageAt(Empty(), QString());
    EXPECT_TRUE(Stored().empty());
    window.GetSession()->WaitForAutosave();
    EXPECT_EQ(folder.Read(S("autosave.xml")), before);
}

TEST_F(NewImage, ThePositionFollowsTheZoom)
{
    ASSERT_TRUE(KIN_WritePicture(folder.Path(S("portrait.png")), 40, 60));
    window.GetView()->ScaleView(4, 4);
    window.GetView()->centerOn(QPointF(401.3, 503.6));
    QPoint at = window.GetView()->mapFromScene(QPointF(401.3, 503.6));
    for (int n = 0; n < 4 && window.GetView()->mapToScene(at).x() ==
                                 std::trunc(window.GetView()->mapToScene(at).x());
         ++n)
        at += QPoint(1, 0);
    NewImageAt(at, folder.Path(S("portrait.png")));
    ASSERT_EQ(Stored().size(), 1u);
    const QPointF scenePos = window.GetView()->mapToScene(at);
    EXPECT_NE(scenePos.x(), std::trunc(scenePos.x())); // a fraction to truncate
    EXPECT_EQ(Stored()[0].x, static_cast<int>(std::trunc(scenePos.x())));
    EXPECT_EQ(Stored()[0].y, static_cast<int>(std::trunc(scenePos.y())));
}
