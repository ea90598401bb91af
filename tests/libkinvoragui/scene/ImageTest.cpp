#include "KIN_DocumentSession.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicImageResizer.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_SceneDriver.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SceneSelection.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsSceneMouseEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}

class Images : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        window.GetSession()->GetDocument()->SetLimits(18, 38, 10, false);
        ASSERT_TRUE(KIN_WritePicture(folder.Path(S("wide.png")), 200, 100));
        ASSERT_TRUE(KIN_WritePicture(folder.Path(S("tiny.png")), 6, 6));
    }

    KIN_GraphicImage* Add(const char* pFile, int x, int y, double scale)
    {
        KIN_DataImage image;
        image.x = x;
        image.y = y;
        image.scale = scale;
        image.file = pFile;
        window.GetSession()->GetDocument()->AddImage(image);
        window.RefreshAll();
        return View()->GetImages().back();
    }

    KIN_ViewPeriods* View() const { return window.GetView(); }
    QWidget* Viewport() const { return View()->viewport(); }
    KIN_GraphicImage* Image(size_t n) const { return View()->GetImages().at(n); }
    const KIN_DataImage& Stored(size_t n) const
    {
        return window.GetSession()->GetDocument()->GetData()->images.at(n);
    }

    // The images of the autosave file, read back.
    std::vector<KIN_DataImage> SavedImages() const
    {
        sp<KIN_IDataFile> saved = CreateDataFile();
        window.GetSession()->WaitForAutosave();
        if (!saved->Load("autosave.xml"))
            return {};
        return saved->GetData()->images;
    }

    QPoint At(const QGraphicsItem* pQItem, const QPointF& local) const
    {
        return View()->mapFromScene(pQItem->mapToScene(local));
    }

    // A press, moves in four steps and a release, as the mouse does.
    void Drag(const QPoint& from, const QPoint& by)
    {
        QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step)
        {
            const QPoint at = from + by * step / 4;
            QMouseEvent move(QEvent::MouseMove, at, Viewport()->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Viewport(), &move);
        }
        QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, from + by);
    }

    // A mouse event in scene coordinates, for moves finer than a pixel.
    void SendToScene(QEvent::Type type, const QPointF& scenePos, Qt::MouseButtons buttons)
    {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(scenePos);
        event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
        event.setButtons(buttons);
        QApplication::sendEvent(View()->GetScene(), &event);
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};
} // namespace

TEST_F(Images, APictureIsLoadedByItsNameInTheWorkingFolder)
{
    const KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 0.5);
    ASSERT_TRUE(pImage->IsLoaded());
    EXPECT_STREQ(pImage->GetSafeObjectName(), "KIN_GraphicImage");
    EXPECT_EQ(pImage->scene(), View()->GetScene());
    EXPECT_EQ(pImage->GetFullPixmap().size(), QSize(200, 100));
    EXPECT_EQ(pImage->pixmap().size(), QSize(100, 50));
    EXPECT_EQ(pImage->pos(), QPointF(100, 200));
    EXPECT_EQ(pImage->zValue(), 200);
    EXPECT_EQ(pImage->GetState(), KIN_GraphicImage::Idle);
    EXPECT_EQ(pImage->cursor().shape(), Qt::SizeAllCursor);

    const KIN_GraphicImageResizer* pHandle = pImage->GetResizer();
    ASSERT_NE(pHandle, nullptr);
    EXPECT_EQ(pHandle->parentItem(), pImage);
    EXPECT_EQ(pHandle->rect(), QRectF(77, 40, 25, 12));
    EXPECT_EQ(pHandle->pen().style(), Qt::NoPen);
    EXPECT_EQ(pHandle->brush().style(), Qt::NoBrush);
    EXPECT_EQ(pHandle->cursor().shape(), Qt::SizeFDiagCursor);

    EXPECT_EQ(Add("tiny.png", 0, 0, 1.0)->GetResizer()->rect(), QRectF(6, 6, 2, 2));

    // A name with a folder is looked up from the working folder as well.
    ASSERT_TRUE(QDir(folder.Path(QString())).mkdir(S("pictures")));
    ASSERT_TRUE(KIN_WritePicture(folder.Path(S("pictures/tall.png")), 30, 90));
    EXPECT_EQ(Add("pictures/tall.png", 0, 0, 1.0)->pixmap().size(), QSize(30, 90));
}

TEST_F(Images, APictureThatCannotBeLoadedIsReportedAndKept)
{
    ASSERT_TRUE(folder.Write(S("broken.png"), "not a picture"));
    KIN_DataImage image;
    image.x = 100;
    image.y = 200;
    for (const char* pFile : {"missing.png", "broken.png"})
    {
        image.file = pFile;
        window.GetSession()->GetDocument()->AddImage(image);
    }
    ::testing::internal::CaptureStdout();
    window.RefreshAll();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "cannot load the image:  missing.png\ncannot load the image:  broken.png\n");
    ASSERT_EQ(View()->GetImages().size(), 2u);
    for (const KIN_GraphicImage* pImage : View()->GetImages())
    {
        EXPECT_FALSE(pImage->IsLoaded());
        EXPECT_EQ(pImage->GetResizer(), nullptr);
        EXPECT_TRUE(pImage->boundingRect().isEmpty());
        EXPECT_TRUE(pImage->pixmap().isNull());
    }
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->images.size(), 2u);
    const std::vector<KIN_DataImage> saved = SavedImages();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].file, "missing.png");
}

TEST_F(Images, MovingWritesTheTruncatedPositionOnRelease)
{
    KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 1.0);
    SendToScene(QEvent::GraphicsSceneMousePress, QPointF(150, 250), Qt::LeftButton);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, pImage);
    EXPECT_EQ(pImage->GetState(), KIN_GraphicImage::Moving);
    EXPECT_EQ(pImage->zValue(), 200000);
    SendToScene(QEvent::GraphicsSceneMouseMove, QPointF(155.2, 248.1), Qt::LeftButton);
    SendToScene(QEvent::GraphicsSceneMouseMove, QPointF(160.7, 246.8), Qt::LeftButton);
    EXPECT_EQ(pImage->pos(), QPointF(110.7, 196.8));
    EXPECT_EQ(Stored(0).x, 100); // nothing is written before the release
    SendToScene(QEvent::GraphicsSceneMouseRelease, QPointF(160.7, 246.8), Qt::NoButton);
    EXPECT_EQ(Stored(0).x, 110);
    EXPECT_EQ(Stored(0).y, 196);
    EXPECT_EQ(Stored(0).scale, 1.0);
    ASSERT_EQ(View()->GetImages().size(), 1u);
    EXPECT_EQ(Image(0)->pos(), QPointF(110, 196));
    EXPECT_EQ(Image(0)->GetState(), KIN_GraphicImage::Idle);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, nullptr);
}

TEST_F(Images, AClickWithoutMovingOnlyMakesThePictureCurrent)
{
    KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 1.0);
    View()->ensureVisible(QRectF(0, 150, 400, 200));
    window.GetSession()->WaitForAutosave();
    const std::string before = folder.Read(S("autosave.xml"));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, At(pImage, QPointF(50, 50)));
    EXPECT_EQ(View()->GetImages()[0], pImage); // no rebuild
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, pImage);
    EXPECT_EQ(pImage->GetState(), KIN_GraphicImage::Moving);
    EXPECT_EQ(pImage->zValue(), 200000);
    window.GetSession()->WaitForAutosave();
    EXPECT_EQ(folder.Read(S("autosave.xml")), before);

    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, At(pImage, QPointF(-60, 50)));
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, nullptr);
    EXPECT_EQ(pImage->GetState(), KIN_GraphicImage::Idle);
    EXPECT_EQ(pImage->zValue(), 200);
}

TEST_F(Images, DraggingMovesThePicture)
{
    KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 1.0);
    View()->ensureVisible(QRectF(0, 150, 500, 300));
    Drag(At(pImage, QPointF(50, 50)), QPoint(40, 60));
    EXPECT_EQ(Stored(0).x, 140);
    EXPECT_EQ(Stored(0).y, 260);
    EXPECT_EQ(Image(0)->pos(), QPointF(140, 260));
}

TEST_F(Images, TheCornerHandleResizesKeepingProportions)
{
    KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 0.5);
    View()->ensureVisible(QRectF(0, 150, 500, 300));
    const KIN_GraphicImageResizer* pHandle = pImage->GetResizer();
    const QPoint from = At(pImage, QPointF(90, 46));
    ASSERT_TRUE(pHandle->contains(pImage->mapToItem(pHandle, QPointF(90, 46))));
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, pImage);
    EXPECT_EQ(pImage->GetState(), KIN_GraphicImage::Resizing);
    EXPECT_EQ(pImage->zValue(), 200000);
    for (int step = 1; step <= 5; ++step)
    {
        const QPoint at = from + QPoint(10 * step, 2 * step);
        QMouseEvent move(QEvent::MouseMove, at, Viewport()->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Viewport(), &move);
    }
    // Each move starts from the stored scale: no drift after five steps.
    EXPECT_EQ(pImage->pixmap().size(), QSize(150, 75));
    EXPECT_DOUBLE_EQ(pHandle->GetScale(), 0.75);
    EXPECT_EQ(pImage->pos(), QPointF(100, 200)); // resizing does not move it
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, from + QPoint(50, 10));

    EXPECT_DOUBLE_EQ(Stored(0).scale, 0.75);
    EXPECT_EQ(Stored(0).x, 100);
    ASSERT_EQ(View()->GetImages().size(), 1u);
    EXPECT_EQ(Image(0)->pixmap().size(), QSize(150, 75));
    EXPECT_EQ(Image(0)->GetResizer()->rect(), QRectF(115, 59, 37, 18));

    // Mostly downwards: the height leads.
    Drag(At(Image(0), QPointF(140, 70)), QPoint(-3, 15));
    EXPECT_DOUBLE_EQ(Stored(0).scale, 0.9);
    EXPECT_EQ(Image(0)->pixmap().size(), QSize(180, 90));
}

TEST_F(Images, AResizeNeverTakesThePictureBelowItsMinimum)
{
    KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 0.5);
    View()->ensureVisible(QRectF(0, 100, 500, 300));
    Drag(At(pImage, QPointF(90, 46)), QPoint(-300, -20));
    const double minimum = KIN_GraphicImageResizer::MinimumSide / 100.0;
    EXPECT_DOUBLE_EQ(Stored(0).scale, minimum);
    EXPECT_GT(Stored(0).scale, 0);
    EXPECT_EQ(Image(0)->pixmap().size(), QSize(16, 8));
    EXPECT_EQ(Image(0)->GetResizer()->rect(), QRectF(14, 8, 4, 2));

    // It can be grown again from there.
    Drag(At(Image(0), QPointF(15, 9)), QPoint(16, 0));
    EXPECT_DOUBLE_EQ(Stored(0).scale, 2 * minimum);
    EXPECT_EQ(Image(0)->pixmap().size(), QSize(32, 16));

    // A picture already smaller than the minimum does not shrink further.
    KIN_GraphicImage* pTiny = Add("tiny.png", 300, 200, 1.0);
    Drag(At(pTiny, QPointF(6, 6)), QPoint(-20, -5));
    EXPECT_DOUBLE_EQ(Stored(1).scale, 1.0);
    EXPECT_EQ(Image(1)->pixmap().size(), QSize(6, 6));
}

TEST_F(Images, TheCurrentPictureOffersRemoveImage)
{
    Add("wide.png", 100, 200, 1.0);
    Add("tiny.png", 400, 200, 1.0); // rebuilds the scene: take the first item afterwards
    View()->ensureVisible(QRectF(0, 150, 500, 200));
    const QPoint onImage = At(View()->GetImages()[0], QPointF(50, 50));
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes})
    {
        QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, onImage);
        ASSERT_EQ(KIN_SceneSelection::Get().pCurrentImage, View()->GetImages()[0]);
        KIN_MenuAnswer menu(S("Remove image"));
        KIN_BoxAnswer box(answer);
        KIN_RightClick(Viewport(), onImage);
        EXPECT_EQ(menu.Texts(), QStringList{S("Remove image")});
        ASSERT_TRUE(box.Seen());
        EXPECT_EQ(box.Title(), S("Remove image"));
        EXPECT_EQ(box.Text(), S("Are sure you want to remove this image?"));
        if (answer == QMessageBox::No)
        {
            EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->images.size(), 2u);
        }
    }
    ASSERT_EQ(window.GetSession()->GetDocument()->GetData()->images.size(), 1u);
    EXPECT_EQ(Stored(0).file, "tiny.png");
    EXPECT_EQ(Stored(0).index, 0);
    ASSERT_EQ(View()->GetImages().size(), 1u);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, nullptr);
    const std::vector<KIN_DataImage> saved = SavedImages();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].file, "tiny.png");
}

TEST_F(Images, RightClickOnAPictureNeverClickedShowsTheViewsMenu)
{
    KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 1.0);
    View()->ensureVisible(QRectF(0, 150, 500, 200));
    KIN_MenuAnswer menu;
    KIN_RightClick(Viewport(), At(pImage, QPointF(50, 50)));
    ASSERT_TRUE(menu.Seen());
    EXPECT_EQ(menu.Texts(),
              QStringList({S("Diagramme settings"), S("New period"), S("New image")}));
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->images.size(), 1u);
}

TEST_F(Images, ClickingAPeriodKeepsThePictureCurrentUntilEmptySpaceIsClicked)
{
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(0, 100, 5, 2));
    KIN_GraphicImage* pImage = Add("wide.png", 100, 200, 1.0);
    View()->ensureVisible(QRectF(0, 0, 800, 400));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, At(pImage, QPointF(50, 50)));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier,
                      View()->mapFromScene(QPointF(560, 100)));
    ASSERT_NE(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, pImage);
    const QPoint empty = View()->mapFromScene(QPointF(400, 350));
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentPeriod, nullptr);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, pImage);
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, empty);
    EXPECT_EQ(KIN_SceneSelection::Get().pCurrentImage, nullptr);
    EXPECT_EQ(pImage->zValue(), 200);
}
