// What assistive tools and tooltips tell of the windows: every button is a button with a name, a tooltip
// that gives its key and an action that presses it; each palette has a title of its own; thumbnails
// are named after their pieces; Esc puts a palette away.
#include "app/Unit1.h"
#include "catalogs/Palettes.h"
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "catalogs/UnitText.h"
#include "catalogs/Unitflower.h"
#include "controls/ImgBtn.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatRadioButtonUnit.h"
#include "controls/img.h"
#include "tests/catalogs/CatalogTestSupport.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {

class AccessibilityTest : public CatalogTest {
  protected:
    ~AccessibilityTest() override { DestroyPalettes(); }

    void Create() {
        mainWindow = std::make_unique<TFormMain>();
        CreatePalettes({mainWindow.get(), mainWindow.get(), &mainWindow->WindowDrag});
    }

    // Every interface in the accessibility tree below a window's, depth first.
    static QList<QAccessibleInterface*> Tree(QWidget* window) {
        QList<QAccessibleInterface*> found;
        QList<QAccessibleInterface*> pending = {QAccessible::queryAccessibleInterface(window)};
        while (!pending.isEmpty()) {
            QAccessibleInterface* node = pending.takeLast();
            found.append(node);
            for (int i = 0; i < node->childCount(); ++i) {
                pending.append(node->child(i));
            }
        }
        return found;
    }

    static QAccessibleInterface* Find(QWidget* window, QWidget* control) {
        for (QAccessibleInterface* node : Tree(window)) {
            if (node->object() == control) {
                return node;
            }
        }
        return nullptr;
    }

    std::unique_ptr<TFormMain> mainWindow;
};

TEST_F(AccessibilityTest, EveryButtonOfTheMainWindowIsANamedButtonWithItsKey) {
    Create();
    const QRegularExpression withKey(QStringLiteral("^[A-Z].+ \\((Ctrl\\+)?(Shift\\+)?([A-Z]|F1|Del)\\)$"));
    const QList<TImgBtn*> buttons = mainWindow->findChildren<TImgBtn*>();
    ASSERT_EQ(buttons.size(), 17);
    QStringList names;
    for (TImgBtn* button : buttons) {
        QAccessibleInterface* node = Find(mainWindow.get(), button);
        ASSERT_NE(node, nullptr) << button->objectName().toStdString();
        EXPECT_EQ(node->role(), QAccessible::Button);
        names << node->text(QAccessible::Name);
        const QString description = node->text(QAccessible::Description);
        EXPECT_TRUE(withKey.match(description).hasMatch()) << description.toStdString();
        EXPECT_EQ(description, button->toolTip());
        EXPECT_EQ(node->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 17) << names.join(QLatin1Char(',')).toStdString();
    EXPECT_FALSE(names.contains(QString()));
    for (TFlatButton* button : {mainWindow->FlatButton1, mainWindow->FlatButton2}) {
        QAccessibleInterface* node = Find(mainWindow.get(), button);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->role(), QAccessible::Button);
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty());
    }
    EXPECT_EQ(mainWindow->BtnHelp->toolTip(), QStringLiteral("Open the help (F1)"));
}

TEST_F(AccessibilityTest, PressingThroughTheAccessibilityTreeRunsTheCommand) {
    Create();
    mainWindow->PlaceObject(QRect(10, 10, 20, 20), SolidPicture(20, 20, qRgb(9, 9, 9)), WhiteMask());
    QAccessibleInterface* deleteButton = Find(mainWindow.get(), mainWindow->BtnDelete);
    ASSERT_NE(deleteButton, nullptr);
    EXPECT_EQ(deleteButton->text(QAccessible::Name), QStringLiteral("Delete piece"));
    deleteButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(mainWindow->Card().IsEmpty());
}

TEST_F(AccessibilityTest, EachPaletteHasItsOwnTitleAndNamedControls) {
    Create();
    const QList<QWidget*> palettes = {FormMask, FormFlower, FormText, FormCartoon, FormFrame};
    QStringList titles;
    for (QWidget* palette : palettes) {
        titles << palette->windowTitle();
        for (TFlatButton* button : palette->findChildren<TFlatButton*>()) {
            QAccessibleInterface* node = Find(palette, button);
            ASSERT_NE(node, nullptr);
            EXPECT_EQ(node->role(), QAccessible::Button);
            EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << palette->objectName().toStdString();
            EXPECT_FALSE(button->toolTip().isEmpty());
        }
    }
    EXPECT_EQ(
        titles,
        QStringList({QStringLiteral("Festoon \u2013 Masks"), QStringLiteral("Festoon \u2013 Flowers"),
                     QStringLiteral("Festoon \u2013 Balloons and Lettering"),
                     QStringLiteral("Festoon \u2013 Cartoons"), QStringLiteral("Festoon \u2013 Frames")}));
    QAccessibleInterface* page1 = Find(FormMask, FormMask->FlatRadioButton1);
    QAccessibleInterface* page2 = Find(FormMask, FormMask->FlatRadioButton2);
    ASSERT_TRUE(page1 != nullptr && page2 != nullptr);
    EXPECT_EQ(page2->role(), QAccessible::RadioButton);
    EXPECT_EQ(page2->text(QAccessible::Name), QStringLiteral("Page 2"));
    EXPECT_TRUE(page1->state().checked);
    page2->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(FormMask->FlatRadioButton2->Checked());
    EXPECT_FALSE(page1->state().checked);
}

TEST_F(AccessibilityTest, ThumbnailsAreNamedAfterTheirPiecesPageByPage) {
    // Page 1 of the flowers names its pieces, the first two lines only; page 2 has no names file.
    folder.writeBytes(QStringLiteral("pic/flower/1/small/names.txt"), "Red rose\n\xC3\x9C"
                                                                      "ber-daisy\n");
    Create();
    EXPECT_EQ(FormFlower->Thumbnail(1)->toolTip(), QStringLiteral("Red rose"));
    EXPECT_EQ(FormFlower->Thumbnail(2)->toolTip(), QStringLiteral("\u00DCber-daisy"));
    EXPECT_EQ(FormFlower->Thumbnail(3)->toolTip(), QStringLiteral("Flower 3"));
    QAccessibleInterface* first = Find(FormFlower, FormFlower->Thumbnail(1));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("Red rose"));
    FormFlower->SelectPage(2);
    EXPECT_EQ(FormFlower->Thumbnail(1)->toolTip(), QStringLiteral("Flower 1"));
    EXPECT_EQ(FormText->Thumbnails[0]->toolTip(), QStringLiteral("Balloon 1"));
    EXPECT_EQ(FormMask->Thumbnail(20)->accessibleName(), QStringLiteral("Mask 20"));
}

TEST_F(AccessibilityTest, EscPutsThePaletteAway) {
    Create();
    mainWindow->show();
    mainWindow->BtnMaskClick();
    FormMask->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormMask));
    QTest::keyClick(FormMask, Qt::Key_Escape);
    EXPECT_FALSE(FormMask->isVisible());
    EXPECT_TRUE(mainWindow->isVisible());
}

} // namespace
